' Split, Join and Filter.
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
Sub Show(a) : WriteLine UBound(a) & ": [" & Join(a, "|") & "]" : End Sub
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
Dim many, n : For n = 1 To 40 : many = many & n & "AB" : Next ' more delimiters than one pass remembers
WriteLine UBound(Split(many, "ab", -1, vbTextCompare)) & " " & Split(many, "AB")(33) & " " & Split(many, "AB", 35)(34)
WriteLine (TypeName(Split("a b")) & " " & TypeName(Split("a b")(1))) & " | " & UBound(Split(""))
On Error Resume Next
Errs Array("Split(Null)", "Split(""a"", Null)", "Split(""a"", "","", -2)")
On Error GoTo 0
' --- Join
Dim parts(2)
parts(0) = "x"
parts(1) = 12
parts(2) = True
WriteLine (Join(parts)) & " | " & (Join(parts, "")) & " | " & (Join(Array("a", Null, "b"), "-"))
WriteLine ("[" & Join(Array()) & "]") & " | " & (Join(Array(1, 2, 3), ", "))
On Error Resume Next
Errs Array("Join(""abc"")", "Join(Null)", "Join(Array(""a""), Null)")
Dim grid(1, 1)
Errs Array("Join(grid)")
On Error GoTo 0
' --- Filter
Dim days : days = Array("Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday")
Show Filter(days, "Mon")
Show Filter(days, "day", False)
Show Filter(days, "S")
Show Filter(days, "s", True, vbTextCompare)
Show Filter(days, "xyz")
Show Filter(Array(10, 21, 32), 2)
On Error Resume Next
Errs Array("Filter(""abc"", ""a"")", "Filter(days, Null)", "Filter(Null, ""a"")")
