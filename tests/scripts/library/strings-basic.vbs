' Len, Left, Right, Mid, Space, String, StrReverse, Trim and their Null and error cases.
' --- Len
WriteLine Len("Hello World")
WriteLine Len(123)
WriteLine Len(-1.5)
WriteLine Len(Empty)
WriteLine Len(True)
WriteLine IsNull(Len(Null))
WriteLine TypeName(Len("a"))
WriteLine Len(ChrW(&HD83D) & ChrW(&HDE00))
' --- Left, Right, Mid
WriteLine Left("Hello World", 5)
WriteLine Left("Hello", 10)
WriteLine "[" & Left("Hello", 0) & "]"
WriteLine Right("Hello World", 5)
WriteLine Right("Hello", 10)
WriteLine Mid("VBScript is fun!", 1, 8)
WriteLine Mid("VBScript is fun!", 13)
WriteLine Mid("abc", 2, 100)
WriteLine "[" & Mid("abc", 4) & "]"
WriteLine "[" & Mid("abc", 2, 0) & "]"
WriteLine Left(12345, 2.5)
WriteLine Mid(12345, 2, 3)
WriteLine IsNull(Left(Null, 2)) & IsNull(Right(Null, 2)) & IsNull(Mid(Null, 2))
On Error Resume Next
x = Left("abc", -1)
WriteLine Err.Number & " " & Err.Description
Err.Clear
x = Right("abc", -1)
WriteLine Err.Number
Err.Clear
x = Mid("abc", 0)
WriteLine Err.Number & " " & Err.Description
Err.Clear
x = Mid("abc", 1, -1)
WriteLine Err.Number
Err.Clear
x = Left("abc", Null)
WriteLine Err.Number
Err.Clear
x = Mid("abc", "x")
WriteLine Err.Number
Err.Clear
On Error GoTo 0
' --- Space, String, StrReverse
WriteLine "[" & Space(3) & "]"
WriteLine "[" & Space(0) & "]"
WriteLine String(5, "*")
WriteLine String(3, "abc")
WriteLine String(4, 65)
WriteLine String(2, 321)
WriteLine "[" & String(0, "x") & "]"
WriteLine IsNull(String(Null, "x")) & IsNull(String(2, Null))
WriteLine StrReverse("VBScript")
WriteLine "[" & StrReverse("") & "]"
WriteLine StrReverse(123)
On Error Resume Next
x = Space(-1)
WriteLine Err.Number
Err.Clear
x = String(-1, "x")
WriteLine Err.Number
Err.Clear
x = String(2, "")
WriteLine Err.Number
Err.Clear
x = StrReverse(Null)
WriteLine Err.Number
Err.Clear
x = Space(Null)
WriteLine Err.Number
Err.Clear
On Error GoTo 0
' --- Trim
WriteLine "[" & LTrim("  ab c  ") & "]"
WriteLine "[" & RTrim("  ab c  ") & "]"
WriteLine "[" & Trim("  ab c  ") & "]"
WriteLine "[" & Trim("      ") & "]"
WriteLine Len(Trim(vbTab & " x " & vbTab))
WriteLine IsNull(Trim(Null)) & IsNull(LTrim(Null)) & IsNull(RTrim(Null))
' --- limits: an absurd length is Out of memory, and the engine goes on
On Error Resume Next
x = Space(2000000000)
WriteLine Err.Number
Err.Clear
x = String(2000000000, "x")
WriteLine Err.Number
Err.Clear
x = Space(3000000000)
WriteLine Err.Number
Err.Clear
On Error GoTo 0
WriteLine Len(Space(100000))
