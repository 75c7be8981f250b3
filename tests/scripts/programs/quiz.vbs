' An interactive quiz driven from standard input: ReadLine, InputBox and MsgBox.
Dim questions, answers, i, reply, score, name
questions = Array("Capital of France?", "2 + 2 * 2?", "Largest planet?")
answers = Array("paris", "6", "JUPITER")
name = InputBox("What is your name?", "Quiz", "stranger")
WriteLine "Hello, " & name & "!"
score = 0
For i = 0 To UBound(questions)
    Write questions(i) & " "
    reply = Trim(ReadLine())
    If StrComp(reply, answers(i), vbTextCompare) = 0 Then
        score = score + 1
        WriteLine "right"
    ElseIf IsNumeric(reply) And IsNumeric(answers(i)) Then
        WriteLine "off by " & Abs(CDbl(reply) - CDbl(answers(i)))
    Else
        WriteLine "wrong, it is " & answers(i)
    End If
Next
WriteLine name & " scored " & score & "/" & (UBound(questions) + 1) & " (" & FormatPercent(score / 3, 0) & ")"
If MsgBox("Play again?", vbYesNo + vbQuestion, "Quiz") = vbOK Then WriteLine "the runner answers OK"
' --- a numbered menu read until a valid choice or end of input
Dim choice, tries
tries = 0
Do
    tries = tries + 1
    choice = ReadLine()
    If IsNumeric(choice) Then
        If CInt(choice) >= 1 And CInt(choice) <= 3 Then Exit Do
    End If
    WriteLine "not a choice: [" & choice & "]"
Loop While tries < 5
WriteLine "chose " & choice & " after " & tries
' --- InputBox at the end of input gives its default
WriteLine "[" & InputBox("More?", "Quiz", "no more") & "]"
