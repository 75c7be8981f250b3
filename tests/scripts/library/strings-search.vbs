' InStr, InStrRev and Replace: positions, start, compare, Null and errors.
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
' --- InStr basic
WriteLine (InStr("XXpXXpXXPXXP", "p")) & " | " & (InStr(4, "XXpXXpXXPXXP", "p")) & " | " & (InStr(4, "XXpXXpXXPXXP", "P", 1))
WriteLine (InStr(1, "XXpXXpXXPXXP", "P", 0)) & " | " & (InStr(1, "XXpXXpXXPXXP", "W")) & " | " & (InStr("abc", ""))
WriteLine (InStr(3, "abc", "")) & " | " & (InStr("", "a")) & " | " & (InStr(5, "abc", "c"))
WriteLine (InStr(12345, 3)) & " | " & (TypeName(InStr("abc", "b"))) & " | " & (InStr(, "abcb", "b"))
' --- InStr long text, units from &H8000, text compare beyond ASCII
s = String(37, "a") & ChrW(&HFF21) & "bcd" & ChrW(-1) & "b"
WriteLine InStr(s, "b") & " " & InStr(40, s, "b") & " " & InStr(s, ChrW(&HFF21) & "b") & " " & InStr(s, ChrW(-1)) & " " & InStr(s, "bcd" & ChrW(-1) & "bx")
WriteLine InStr(1, s, "a" & ChrW(&HFF41), 1) & " " & InStr(1, s, "a" & ChrW(&HFF41), 0) & " " & InStr(38, s, "B", 1) & " " & InStrRev(s, "B", -1, 1)
WriteLine InStrRev(s, "b") & " " & InStrRev(s, "bcd" & ChrW(-1)) & " " & InStrRev(s, "a", 10) & " " & InStrRev(s, "zz") & " " & InStrRev(s, ChrW(&HFF21) & "b", 39)
' --- InStr Null
WriteLine (IsNull(InStr(Null, "a"))) & " | " & (IsNull(InStr("a", Null))) & " | " & (IsNull(InStr(2, Null, "a")))
' --- InStr errors
On Error Resume Next
Errs Array("InStr(0, ""abc"", ""a"")", "InStr(Null, ""abc"", ""a"")", "InStr(1, ""abc"", ""a"", 7)", _
    "InStr(""abc"", ""a"", ""b"")")
On Error GoTo 0
' --- InStrRev
WriteLine (InStrRev("XXpXXpXXPXXP", "P", -1, 1)) & " | " & (InStrRev("XXpXXpXXPXXP", "P", -1, 0)) & " | " & (InStrRev("XXpXXpXXPXXP", "P", 10, 0))
WriteLine (InStrRev("XXpXXpXXPXXP", "P", 8)) & " | " & (InStrRev("XXpXXpXXPXXP", "XX", 2)) & " | " & (InStrRev("XXpXXpXXPXXP", "XX", 1))
WriteLine (InStrRev("abc", "")) & " | " & (InStrRev("abc", "", 2)) & " | " & (InStrRev("abc", "a", 4))
WriteLine (InStrRev("", "a")) & " | " & (InStrRev("abcabc", "ABC", -1, vbTextCompare)) & " | " & (IsNull(InStrRev(Null, "a")))
On Error Resume Next
Errs Array("InStrRev(""abc"", ""a"", 0)", "InStrRev(""abc"", ""a"", -2)")
On Error GoTo 0
' --- Replace
WriteLine (Replace("XXpXXPXXp", "p", "Y")) & " | " & (Replace("XXpXXPXXp", "p", "Y", 1, -1, 1)) & " | " & (Replace("XXpXXPXXp", "p", "Y", 3, -1, 1))
WriteLine (Replace("XXpXXPXXp", "p", "Y", 1, 2, 1)) & " | " & (Replace("XXpXXPXXp", "p", "Y", 4)) & " | " & (Replace("abc", "", "x"))
WriteLine (Replace("abcabc", "b", "")) & " | " & (Replace("aaaa", "aa", "a")) & " | " & (Replace("abc", "b", "xyz", 1, 0))
WriteLine ("[" & Replace("abc", "b", "x", 4) & "]") & " | " & ("[" & Replace("", "b", "x") & "]") & " | " & (Replace(12321, 2, 9))
' --- Replace: many hits, count and start together, text compare
WriteLine Len(Replace(String(100, "a"), "a", "xy")) & " " & (Replace(String(50, "a"), "a", "b", 1, 40) = String(40, "b") & String(10, "a"))
WriteLine (Replace(String(50, "a"), "aa", "b", 3) = String(24, "b")) & " " & Replace("aAaA", "a", "x", 1, -1, 1) & " " & Replace("aAaA", "a", "x")
On Error Resume Next
x = Replace(Null, "a", "b") : WriteLine Caught
Errs Array("Replace(""abc"", ""a"", ""b"", 0)", "Replace(""abc"", ""a"", ""b"", 1, -2)")
' --- Replace on the call's own string works in place; variables keep theirs
a = "a.b.c.d.e.f.g.h.i" : b = a
WriteLine Replace(a & "", ".", "-") & " " & Replace(a, ".", "-", 1, 3) & " " & Replace(a & "", ".", "-", 5) & " " & a & " " & b
WriteLine Replace(a & "", "b.c", "XYZ") & " " & Replace(UCase(a), "B.C", "x_y", 1, -1, 1) & " " & Replace(a & "", "B", "#", 1, -1, 1) & " " & Replace(a & "", ".", "", 1, 4)
WriteLine Replace(a & "", "i", "<>") & " " & Replace(a & "", ".", "-", 1, 0) & " " & Replace(a & "", "z", "-") & " " & a
w = ChrW(&H8000) & "x" & ChrW(-1) & ChrW(&H8000) & "yz" & ChrW(&H8000)
WriteLine (Replace(w & "", ChrW(&H8000), "-") = "-x" & ChrW(-1) & "-yz-") & " " & (Replace(w & "", "x", ChrW(-1)) = ChrW(&H8000) & ChrW(-1) & ChrW(-1) & ChrW(&H8000) & "yz" & ChrW(&H8000)) & " " & Len(Replace(w, ChrW(-1), "")) & " " & AscW(w) & " " & (Replace(ChrW(0) & "a" & ChrW(&H8000) & "bcd", ChrW(0), "0") = "0a" & ChrW(&H8000) & "bcd")
WriteLine InStr(4, "abc", "") & " " & InStr(3, "abcabc", "bc") & " " & InStr(CLng(3), "abcabc", "bc") & " " & InStr(3.0, "abcabc", "bc")
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
