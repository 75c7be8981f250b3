' What the compiled code decides about types: Select Case over mixed types,
' literal subtypes and precedence.
Function Classify(v)
    Select Case v
        Case Empty
            Classify = "empty"
        Case "abc", "def"
            Classify = "word"
        Case 1, 2, 3
            Classify = "small"
        Case True
            Classify = "true"
        Case Else
            Classify = "other " & TypeName(v)
    End Select
End Function
WriteLine Classify(2) & " " & Classify("def") & " " & Classify(-1) & " " & Classify(Empty)
WriteLine Classify(0) & " " & Classify("") & " " & Classify(2.0)
WriteLine Classify(Null) & " " & Classify(7.5)
' --- Select Case evaluates the test expression once and stops at the first match
Dim calls
calls = 0
Function Next1()
    calls = calls + 1
    Next1 = calls
End Function
Select Case Next1()
    Case 0: WriteLine "zero"
    Case 1: WriteLine "one"
    Case 1: WriteLine "one again"
End Select
WriteLine "calls " & calls
Dim n
n = 9
' --- literal subtypes
WriteLine TypeName(40000) & " " & TypeName(3000000000) & " " & TypeName(1.0) & " " & TypeName(1E3) & " " & TypeName(&H7FFFFFFF) & " " & TypeName(&H8000&)
WriteLine TypeName(-32768) & " " & TypeName(&HFFFF) & " " & &HFFFF & " " & &HFFFF& & " " & TypeName(#12:00#)
WriteLine TypeName(CCur(1) / 3) & " " & TypeName(CInt(1) * 1.5) & " " & TypeName(CCur(1) + 1)
Class Thing
End Class
WriteLine TypeName(New Thing) & " " & VarType(New Thing)
' --- precedence
WriteLine 2 + 3 * 4 ^ 2 / 8 & " " & -2 ^ 2 & " " & (10 - 2 - 3) & " " & 2 ^ 3 ^ 2 & " " & 1 + 2 & 3
WriteLine 5 > 3 And n > 1 & " " & (Not 1 = 2)
