' Len, Left, Right, Mid, Space, String, StrReverse, Trim and their Null and error cases.
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
' --- Len
WriteLine (Len("Hello World")) & " | " & (Len(123)) & " | " & (Len(-1.5))
WriteLine (Len(Empty)) & " | " & (Len(True)) & " | " & (IsNull(Len(Null)))
WriteLine (TypeName(Len("a"))) & " | " & (Len(ChrW(&HD83D) & ChrW(&HDE00)))
' --- whole numbers in text: every digit count, signs and limits
WriteLine 0 & " " & 9 & " " & 10 & " " & 99 & " " & 100 & " " & 101 & " " & 999 & " " & 1000 & " " & 12345 & " " & 200000 & " " & 2147483647 & " " & (-2147483647 - 1)
WriteLine -5 & " " & -10 & " " & -100 & " " & CInt(-32768) & " " & CInt(32767) & " " & CByte(255) & " " & CByte(7) & " " & -999999 & " " & Len(-7) & Len(1000000)
' --- Left, Right, Mid
WriteLine (Left("Hello World", 5)) & " | " & (Left("Hello", 10)) & " | " & ("[" & Left("Hello", 0) & "]")
WriteLine (Right("Hello World", 5)) & " | " & (Right("Hello", 10)) & " | " & (Mid("VBScript is fun!", 1, 8))
WriteLine (Mid("VBScript is fun!", 13)) & " | " & (Mid("abc", 2, 100)) & " | " & ("[" & Mid("abc", 4) & "]")
WriteLine ("[" & Mid("abc", 2, 0) & "]") & " | " & (Left(12345, 2.5)) & " | " & (Mid(12345, 2, 3))
WriteLine IsNull(Left(Null, 2)) & IsNull(Right(Null, 2)) & IsNull(Mid(Null, 2))
On Error Resume Next
x = Left("abc", -1) : WriteLine Caught
Errs Array("Right(""abc"", -1)")
x = Mid("abc", 0) : WriteLine Caught
Errs Array("Mid(""abc"", 1, -1)", "Left(""abc"", Null)", "Mid(""abc"", ""x"")")
On Error GoTo 0
' --- Space, String, StrReverse
WriteLine ("[" & Space(3) & "]") & " | " & ("[" & Space(0) & "]") & " | " & (String(5, "*"))
WriteLine (String(3, "abc")) & " | " & (String(4, 65)) & " | " & (String(2, 321))
WriteLine ("[" & String(0, "x") & "]") & " | " & (IsNull(String(Null, "x")) & IsNull(String(2, Null))) & " | " & (StrReverse("VBScript"))
WriteLine ("[" & StrReverse("") & "]") & " | " & (StrReverse(123))
On Error Resume Next
Errs Array("Space(-1)", "String(-1, ""x"")", "String(2, """")", "StrReverse(Null)", "Space(Null)")
On Error GoTo 0
' --- Trim
WriteLine ("[" & LTrim("  ab c  ") & "]") & " | " & ("[" & RTrim("  ab c  ") & "]") & " | " & ("[" & Trim("  ab c  ") & "]")
WriteLine ("[" & Trim("      ") & "]") & " | " & (Len(Trim(vbTab & " x " & vbTab)))
WriteLine IsNull(Trim(Null)) & IsNull(LTrim(Null)) & IsNull(RTrim(Null))
' --- limits: an absurd length is Out of memory, and the engine goes on
On Error Resume Next
Errs Array("Space(2000000000)", "String(2000000000, ""x"")", "Space(3000000000)")
On Error GoTo 0
WriteLine Len(Space(100000))
' --- a temporary argument is cut in place; the variables it came from keep their text
a = "Hello World" : b = a
WriteLine Mid(a & "!", 7, 5) & "|" & Left(a & "", 5) & "|" & Right("<" & a, 5) & "|" & a & "|" & b
t = Mid(a & "", 3) : u = Mid(t, 2)
WriteLine t & "|" & u & "|" & Mid(t & "", 1) & "|" & a
WriteLine "[" & Mid(a & "", 20) & "][" & Left(a & "", 0) & "][" & Mid(a & "", 4, 0) & "][" & Right(a & "", 0) & "]" & Len(Mid(a & "", 11))
l = String(100, "a") & "bc"
WriteLine Mid(l & "", 101) & " " & Len(Left(l & "", 60)) & " " & Len(l) & " " & Right(Left(l & "x", 102), 3)
WriteLine "[" & Trim("  " & a & "  ") & "][" & LTrim(" " & a) & "][" & RTrim(a & "  ") & "][" & Trim(Space(3) & "") & "]" & a
Function Parts(ByRef s) : Parts = Mid(s, 2) & "|" & UCase(s) & "|" & Replace(s, "l", "L") : End Function
arr = Array(a)
WriteLine Parts(a) & "|" & a & "|" & UCase(arr(0)) & "|" & arr(0)
' --- one-character results are shared: changing one never changes another
c = Mid("abc", 2, 1) : d = UCase(Mid("xbx", 2, 1)) : e = Replace(Mid("abc", 2, 1), "b", "q")
WriteLine c & d & e & Mid("abc", 2, 1) & Chr(98) & ChrW(98) & Left("bz", 1) & Right("zb", 1) & Trim(" b ")
f = Chr(98) : f = f & "x" : g = Mid("abc", 2, 1) : g = g & g
WriteLine f & " " & g & " " & Chr(98) & " " & Mid("abc", 2, 1) & " " & Len(Chr(0)) & AscW(ChrW(255)) & " " & AscW(ChrW(256)) & " " & AscW(Mid(ChrW(300) & "x", 1, 1)) & " " & Asc(Chr(200)) & " " & AscW(ChrB(200))
s = "" : For i = 1 To 5 : s = s & Mid("hello", i, 1) & LCase(Mid("HELLO", i, 1)) : Next : WriteLine s & " " & Mid("hello", 1, 1)
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
