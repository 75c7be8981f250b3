' Split, Join and Filter.
Sub Show(a)
    WriteLine UBound(a) & ": [" & Join(a, "|") & "]"
End Sub
' --- Split
Show Split("Is it fun?")
Show Split("a,b,,c", ",")
Show Split("a,b,c,d", ",", 2)
Show Split("a,b,c", ",", 1)
Show Split("a,b,c", ",", 0)
Show Split("", ",")
Show Split("abc", "")
Show Split("aXbxc", "x")
Show Split("aXbxc", "x", -1, vbTextCompare)
Show Split("a<>b<>c", "<>")
Show Split(",a,", ",")
Show Split(12.5, ".")
WriteLine TypeName(Split("a b")) & " " & TypeName(Split("a b")(1))
WriteLine UBound(Split(""))
On Error Resume Next
x = Split(Null)
WriteLine Err.Number
Err.Clear
x = Split("a", Null)
WriteLine Err.Number
Err.Clear
x = Split("a", ",", -2)
WriteLine Err.Number
Err.Clear
On Error GoTo 0
' --- Join
Dim parts(2)
parts(0) = "x"
parts(1) = 12
parts(2) = True
WriteLine Join(parts)
WriteLine Join(parts, "")
WriteLine Join(Array("a", Null, "b"), "-")
WriteLine "[" & Join(Array()) & "]"
WriteLine Join(Array(1, 2, 3), ", ")
On Error Resume Next
x = Join("abc")
WriteLine Err.Number
Err.Clear
x = Join(Null)
WriteLine Err.Number
Err.Clear
x = Join(Array("a"), Null)
WriteLine Err.Number
Err.Clear
Dim grid(1, 1)
x = Join(grid)
WriteLine Err.Number
Err.Clear
On Error GoTo 0
' --- Filter
Dim days
days = Array("Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday")
Show Filter(days, "Mon")
Show Filter(days, "day", False)
Show Filter(days, "S")
Show Filter(days, "s", True, vbTextCompare)
Show Filter(days, "xyz")
Show Filter(Array(10, 21, 32), 2)
On Error Resume Next
x = Filter("abc", "a")
WriteLine Err.Number
Err.Clear
x = Filter(days, Null)
WriteLine Err.Number
Err.Clear
x = Filter(Null, "a")
WriteLine Err.Number
Err.Clear
