' Comparisons of strings with numbers, Booleans and dates: what each operand
' is in the code decides (a literal is a number, date or Boolean token).
Const FIVE = 5
Dim s, n, t, d, arr(1)

' Each expression's value, or [its error number], on one line.
Sub Show(exprs)
    Dim e, v : On Error Resume Next
    For Each e In exprs
        Err.Clear : v = Eval(e)
        If Err.Number <> 0 Then v = "[" & Err.Number & "]"
        line = line & " " & v
    Next
    WriteLine Mid(line, 2)
    line = ""
End Sub
Dim line

' --- dialog scripts
s = "50"
If s > 100 Then WriteLine "bigger" Else WriteLine "not bigger"
Select Case "2"
    Case 2: WriteLine "two"
    Case Else: WriteLine "no match"
End Select
If InputBox("Number?") = 5 Then WriteLine "five" Else WriteLine "not five"

' --- string against a numeric literal: read as a number, 13 when not one
Show Array("""42"" = 42", """ 5"" = 5", """5e0"" = 5", """&H1F"" = 31", """0"" < 30")
Show Array("""abc"" = 5", """"" = 5", """5x"" = 5")
' a variable, a parenthesised literal, Double and hex literals; the literal on the left
s = "007"
Show Array("s = 7", "s < 10", "s = (7)", "s = 7.0", "s > &H6", "8 > s", "s = 1e1")
Function Bigger(ByRef p, ByVal q) : Bigger = (p > 100) & " " & (q > 100) : End Function
s = "150" : WriteLine Bigger(s, s)
Class Field
    Public Text
    Public Default Property Get Value : Value = Text : End Property
End Class
Set Amount = New Field : Amount.Text = "250"
WriteLine (Amount.Text > 100) & " " & (Amount > 100) & " " & (Amount.Text < 1000)

' --- string literal against a number that is not a literal: the number's text
Show Array("""5"" = CInt(5)", """010"" = CInt(10)", """10"" > CByte(5)", """abc"" = CInt(5)", """abc"" = CByte(5)")
n = 5 : d = CDate("1/15/2024")
Show Array("""5"" = n", """abc"" = -5", """abc"" = FIVE", """-5"" = -5", """5"" = FIVE", """abc"" < n")
Show Array("""1/15/2024"" = d", """1/15/2024"" = CDate(""1/15/2024"")", """2.5"" = CDbl(2.5)", """5"" = n + 0")

' --- neither side a literal: a string is greater than any number
s = "5" : n = 5
Show Array("s = n", "s > n", "s < n", "s <> n", "s = FIVE", "s = CInt(5)", "s > n * 1E300")

' --- Booleans: "True" / "False", case-sensitive, never an error
Show Array("""True"" = True", """true"" = True", """1"" = True", """True"" > False", """False"" = False", """ True"" = True")
t = True : s = "True"
Show Array("s = True", """True"" = t", "s = t", "s > t", """x"" < t", "s = (1 = 1)")

' --- dates: a date literal reads the string as a date or number
Show Array("""1/15/2024"" = #1/15/2024#", """45306"" = #1/15/2024#", """x"" = #1/15/2024#", "d = #1/15/2024#")

' --- Select Case: the subject and each Case value are literals or not
Function Pick(v)
    Select Case v
        Case "b" : Pick = "b"
        Case 7 : Pick = "seven"
        Case Else : Pick = "else"
    End Select
End Function
WriteLine Pick("7") & " " & Pick(7) & " " & Pick("b") & " " & Pick(" 7 ")
n = 2
Select Case "2"
    Case n: WriteLine "text of n"
End Select
Select Case "2"
    Case FIVE - 3: WriteLine "arithmetic"
    Case Else: WriteLine "not arithmetic"
End Select
Select Case True
    Case "True": WriteLine "boolean text"
End Select
Sub SelectText
    Select Case "x"
        Case 1: WriteLine "never"
    End Select
End Sub
On Error Resume Next
SelectText
WriteLine Err.Number
On Error GoTo 0

' --- arrays: 13 even against Null or Empty
Show Array("arr = Null", "Null = arr", "arr = Empty", "arr <> 1", "arr = ""a""")

' --- single precision: a Single against a Double
Show Array("CSng(0.001 * 0.001) = 0.000001", "CSng(0.1) = 0.1", "CSng(0.1) = CDbl(0.1)", "CSng(0.1) = CDbl(0.1000001)")
