' Every operator over the subtypes: each case shows its result's subtype and
' value ("Integer 3"), Null, or [its error number].
Dim arr(0)
Sub Show(exprs) ' each expression's subtype and value, or [its error number]
    Dim e, v, s : On Error Resume Next
    For Each e In exprs
        Err.Clear : v = Eval(e) : v = Trim(TypeName(v) & " " & v)
        If Err.Number <> 0 Then v = "[" & Err.Number & "]"
        s = s & "; " & v
    Next
    WriteLine Mid(s, 3)
End Sub
' --- + : the smaller subtype that holds the result; strings join; Null wins
Show Array("CByte(1) + CByte(2)", "CByte(200) + CByte(100)", "CByte(1) + CInt(2)", "True + True", "Empty + Empty", "Empty + CByte(3)")
Show Array("CInt(1) + CLng(2)", "CSng(1.5) + CInt(1)", "CSng(1.5) + CLng(1)", "CSng(2 ^ 127) + CSng(2 ^ 127)", "CCur(1.5) + 1.25", "1E308 + 1E308")
Show Array("""a"" + ""b""", """a"" + Empty", "Empty + ""a""", "True + "" 2 """, """abc"" + Null", "CDate(1) + CInt(1)")
' --- - and *
Show Array("CByte(1) - CByte(2)", "Empty - CInt(1)", """5"" - ""2""", "CDate(5) - CDate(2)", "CDate(5) - CInt(3)", "CCur(0.1) - CCur(0.3)", "Null - Null")
Show Array("CLng(65536) * CLng(65536)", "True * True", "CByte(16) * CByte(16)", "CCur(1.5) * CCur(1.5)", "CDate(2) * CInt(2)", """x"" * CInt(2)")
Show Array("CCur(0.0003) * CCur(0.5)", "CCur(0.0001) * CCur(0.5)", "CCur(2.5) * CInt(3)", "0.5 * CCur(3)")
' --- /, \ and Mod: \ and Mod round their operands half to even first
Show Array("CSng(1) / CSng(4)", """6"" / ""3""", "Empty / CInt(2)", "1 / 0", "1 / Empty", "0 / 0", "Null / 0", "1E300 / 1E-300")
Show Array("CInt(-7) \ CInt(2)", "CByte(7) \ CByte(2)", "CByte(7) \ CInt(2)", "7.5 \ 2", "6.5 \ 2", "CInt(-32768) \ CInt(-1)")
Show Array("CLng(""-2147483648"") \ CLng(-1)", "3E9 \ 1", "5 \ 0.4", "Null \ 0")
Show Array("CInt(-7) Mod CInt(3)", "CInt(7) Mod CInt(-3)", "5.5 Mod 3", "2.5 Mod 3", """10"" Mod 4", "True Mod CInt(2)", "1 Mod 0")
' --- ^ and &
Show Array("CInt(-2) ^ CInt(3)", "CInt(-8) ^ (1 / 3)", "0 ^ -1", "0 ^ 0", "10 ^ 400", "Null ^ 2")
Show Array("1 & 2", "Null & ""a""", "Null & Null", "0.5 & Empty", "True & """"", "CCur(-1.25) & 1E20", "Empty & Empty")
' --- logical operators are bitwise on numbers
Show Array("CInt(12) And CInt(10)", "CByte(12) And CByte(10)", "True And CInt(5)", "CByte(255) And True", "2.5 And CInt(3)")
Show Array("""True"" And True", """6"" And CInt(3)", """abc"" And True", "3E9 And 1", "CLng(12) Or CInt(3)", "CInt(5) Xor CInt(3)")
Show Array("True Eqv False", "CInt(0) Eqv CInt(0)", "CByte(0) Eqv CByte(0)", "True Imp False", "CInt(6) Imp CInt(3)")
' Null decides nothing by itself; the other side sometimes decides alone
Show Array("Null And False", "False And Null", "Null And CInt(0)", "Null And True", "Null And Null")
Show Array("Null Or True", "True Or Null", "Null Or False", "Null Or CInt(5)", "Null Xor True", "False Eqv Null")
Show Array("False Imp Null", "True Imp Null", "Null Imp True", "Null Imp False", "Null Imp Null")
' --- unary - and Not
Show Array("-CLng(""-2147483648"")", "-Empty", "-True", "-CByte(5)", "-""3""", "-""x""", "-CCur(1.5)", "-Null")
Show Array("Not CInt(0)", "Not CByte(0)", "Not CLng(5)", "Not 1.5", "Not ""false""", "Not Null")
' --- comparison across subtypes; Empty is 0 or ""; Null compares to Null
Show Array("CInt(1) = CDbl(1)", "CInt(2) > CLng(1)", "CByte(3) < 3.5", "CCur(1.5) = 1.5", "CCur(1) = CInt(1)", "True = CInt(-1)", "CDate(2) > CInt(1)")
Show Array("Empty = 0", "Empty < 1", "Empty = """"", "Empty < ""a""", "Empty = Empty", "Null = Null", "Null <> 1")
Show Array("""a"" < ""B""", """ab"" < ""abc""", """"" <= """"", "ChrW(&HFFFF) > ChrW(&HE9)", "StrComp(""a"", ""B"", 1)", "StrComp(""abc"", ""ABC"", 1)", "StrComp(ChrW(&HE9) & ""t"" & ChrW(&HE9), ChrW(&HC9) & ""T"" & ChrW(&HC9), 1)")
' text comparison folds case beyond ASCII too; the division sign has no case
Show Array("StrComp(ChrW(&HFF), ChrW(&H178), 1)", "StrComp(ChrW(&H101), ChrW(&H100), 1)", "StrComp(ChrW(&H13A), ChrW(&H139), 1)", "StrComp(ChrW(&H44F), ChrW(&H42F), 1)", "StrComp(ChrW(&HF7), ChrW(&HD7), 1)")
Show Array("arr = 1", "arr + 1", "arr & ""x""")
' --- conditions: Empty is False, other values as CBool
Function Cond(v)
    If v Then Cond = True Else Cond = False
End Function
Show Array("Cond(Empty)", "Cond(2)", "Cond(""true"")", "Cond(""0.5"")", "Cond(0.0)", "Cond(""maybe"")")
