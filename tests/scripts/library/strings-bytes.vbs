' The byte functions see the UTF-16 bytes of the text, two per character.
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
WriteLine LenB("abc") & " " & LenB("") & " " & LenB(12) & " " & IsNull(LenB(Null))
WriteLine AscB("A") & " " & AscB(ChrW(&H1234)) & " " & AscB(ChrB(200))
WriteLine LeftB("abc", 2) & " " & LeftB("abc", 4) & " " & RightB("abc", 2) & " " & RightB("abc", 100)
WriteLine MidB("abc", 3, 2) & " " & MidB("abc", 3) & " [" & MidB("abc", 7) & "]"
WriteLine InStrB("abc", "b") & " " & InStrB("abc", "c") & " " & InStrB(4, "abcb", "b") & " " & InStrB("abc", "x")
WriteLine MidB("abcd", 5, 2) = Mid("abcd", 3, 1)
WriteLine IsNull(LeftB(Null, 1)) & IsNull(MidB(Null, 1)) & IsNull(InStrB(Null, "a"))
On Error Resume Next
Errs Array("AscB("""")", "ChrB(256)", "MidB(""abc"", 0)", "LeftB(""abc"", -1)")
