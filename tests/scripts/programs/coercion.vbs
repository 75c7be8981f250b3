' Select Case over mixed types, comparison between strings and numbers, and operator results.
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
' --- comparisons: a string variable against a number literal compares numerically
Dim s, n
s = "10": n = 9
WriteLine (s > n) & " " & (s > 9) & " " & ("10" > "9") & " " & (CStr(n) < s)
WriteLine ("abc" < "abd") & " " & ("a" < "B") & " " & (StrComp("a", "B", 1)) & " " & StrComp("b", "a")
WriteLine (Empty = 0) & " " & (Empty = "") & " " & (Null = Null) & " " & IsNull(Null = 1)
WriteLine (True = -1) & " " & (False = 0) & " " & CBool("true") & " " & CBool(0.1)
' --- + with strings and numbers
WriteLine 1 + "2" & " " & "1" + "2" & " " & 1 & 2 & " " & TypeName(1 + "2") & " " & TypeName("1" + 2.5)
WriteLine TypeName(Empty + Empty) & " " & TypeName(Empty & Empty) & " " & IsNull(Null + 1) & " " & ("a" & Null & "b")
On Error Resume Next
WriteLine "x" + 1
WriteLine "+ type mismatch: " & Err.Number
Err.Clear
WriteLine "Null & Null is Null: " & IsNull(Null & Null)
On Error GoTo 0
' --- integer overflow promotion
WriteLine TypeName(32767 + 1) & " " & TypeName(32766 + 1) & " " & TypeName(-32768 - 1)
WriteLine TypeName(2147483647 + 1) & " " & (2147483647 + 1) & " " & TypeName(200 * 200)
Dim b
b = CByte(200)
WriteLine TypeName(b + b) & " " & (b + b) & " " & TypeName(b * 2) & " " & TypeName(b + CByte(1))
WriteLine TypeName(CInt(1) * 1.5) & " " & TypeName(CSng(1.5) + 1) & " " & TypeName(CSng(1) + CDbl(1)) & " " & TypeName(CCur(1) + 1)
WriteLine TypeName(10 / 2) & " " & TypeName(10 \ 3) & " " & TypeName(CLng(10) \ 3) & " " & TypeName(7 Mod 2)
WriteLine TypeName(2 ^ 2) & " " & (2 ^ 10) & " " & TypeName(-32768) & " " & TypeName(&HFFFF) & " " & &HFFFF & " " & &HFFFF&
' --- \ and Mod round their operands half to even first
WriteLine (7.5 \ 2) & " " & (6.5 \ 2) & " " & (-7 \ 2) & " " & (7 Mod 3) & " " & (-7 Mod 3) & " " & (7 Mod -3)
WriteLine (5.5 Mod 3) & " " & (4.5 Mod 3) & " " & (2.5 \ 1) & " " & (3.5 \ 1)
' --- logical operators are bitwise on numbers
WriteLine (5 And 3) & " " & (5 Or 3) & " " & (5 Xor 3) & " " & (Not 0) & " " & (Not 5) & " " & (True And 7)
WriteLine (True Eqv False) & " " & (False Imp False) & " " & (6 Eqv 3) & " " & (Null Or True) & " " & IsNull(Null And True) & " " & (Null And False)
' --- precedence
WriteLine 2 + 3 * 4 ^ 2 / 8 & " " & -2 ^ 2 & " " & (10 - 2 - 3) & " " & 2 ^ 3 ^ 2 & " " & 1 + 2 & 3
WriteLine 5 > 3 And 2 > 1 & " " & (Not 1 = 2)
