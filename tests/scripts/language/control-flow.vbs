' If, Select Case, For, Do, While and Exit: branches, bounds and steps.
' --- If
Dim n
For n = 1 To 4
    If n = 1 Then
        WriteLine "one"
    ElseIf n = 2 Then
        WriteLine "two"
    Else
        WriteLine "many " & n
    End If
Next
If n > 4 Then WriteLine "single line" Else WriteLine "never"
If Null Then WriteLine "null is true" Else WriteLine "null is false"
If "True" Then WriteLine "string condition"
' --- Select Case
Function Kind(v)
    Select Case v
        Case Empty : Kind = "empty"
        Case "a", "b" : Kind = "letter"
        Case 1, 2, 3 : Kind = "small"
        Case True : Kind = "true"
        Case Else : Kind = "other " & TypeName(v)
    End Select
End Function
WriteLine Kind(2) & " " & Kind("b") & " " & Kind(-1) & " " & Kind(Empty) & " " & Kind(0) & " " & Kind("") & " " & Kind(2.0)
WriteLine Kind(Null) & " " & Kind(7.5) & " " & Kind(99)
' the subject is evaluated once; the first matching Case runs
Dim calls
Function Next1() : calls = calls + 1 : Next1 = calls : End Function
Select Case Next1()
    Case 0: WriteLine "zero"
    Case 1: WriteLine "one"
    Case 1: WriteLine "one again"
End Select
WriteLine "calls " & calls
Select Case 5
    Case 1
        WriteLine "no else, no match"
End Select
' --- For: bounds and step evaluated once
Dim hi, i, total
hi = 3
For i = 1 To hi
    hi = 10
    total = total + i
Next
WriteLine total & " " & i
For i = 10 To 1 Step -4
    WriteLine i
Next
For i = 0 To 1 Step 0.25
    total = i
Next
WriteLine total
For i = 5 To 1
    WriteLine "never runs"
Next
WriteLine i
For i = 1 To 10
    If i = 3 Then Exit For
Next
WriteLine i
' --- Do and While
i = 0
Do While i < 5
    i = i + 1
Loop
WriteLine i
Do Until i = 0
    i = i - 2
    If i < 2 Then Exit Do
Loop
WriteLine i
Do
    i = i + 10
Loop While i < 25
WriteLine i
Do
    i = i - 1
Loop Until True
WriteLine i
While i > 20
    i = i - 1
Wend
WriteLine i
Dim outer, inner, hits
For outer = 1 To 3
    Do
        hits = hits + 1
        Exit Do
    Loop
Next
WriteLine hits
' --- For bounds that raise under Resume Next: the body runs once with the
' variable unchanged, then Next raises 92 and the loop ends
On Error Resume Next
i = "kept"
For i = 1 / 0 To 100
    WriteLine "body " & i & " " & Err.Number
Next
WriteLine Err.Number & " " & Err.Description & " " & i
Err.Clear
For z = 1 To UBound(Empty)
    WriteLine "body " & IsEmpty(z) & " " & Err.Number
Next
WriteLine Err.Number
hits = 0
For i = Null To 3 : hits = hits + 1 : Next
For i = 1 To "x" : hits = hits + 1 : Next
For i = 1 To 3 Step Array() : hits = hits + 1 : Next
WriteLine hits & " " & Err.Number
' a loop entered again forgets its earlier bounds
hits = 0
For outer = 1 To 2
    For i = 1 To 10 \ (2 - outer) : hits = hits + 1 : Next
Next
WriteLine hits & " " & Err.Number
' --- a loop tested first runs its test once a turn and once more at the end
Dim tests, c
Function T(v) : tests = tests + 1 : T = v : End Function
tests = 0 : c = 0 : Do While T(c < 3) : c = c + 1 : Loop : WriteLine "do while " & c & " " & tests
tests = 0 : c = 0 : Do Until T(c >= 3) : c = c + 1 : Loop : WriteLine "do until " & c & " " & tests
tests = 0 : c = 0 : While T(c < 3) : c = c + 1 : Wend : WriteLine "while " & c & " " & tests
tests = 0 : c = 5 : Do While T(c < 3) : c = c + 1 : Loop : WriteLine "no turn " & c & " " & tests
tests = 0 : c = 0
Do While T(True) : c = c + 1 : If c = 2 Then Exit Do
Loop
WriteLine "exit do " & c & " " & tests
' an error in the test, skipped, goes on into the body, at the top as at the end
Function Bad(n) : If n >= 2 Then Bad = 1 / 0 Else Bad = True
End Function
Sub Skipping()
    On Error Resume Next
    Dim c : c = 0
    Do While Bad(c) : c = c + 1 : If c >= 4 Then Exit Do
    Loop
    WriteLine "skipped test " & c
End Sub
Skipping
' --- While has no Exit of its own: Exit Do inside one leaves the Do around it
c = 0
Do
    While True
        c = c + 1
        If c = 3 Then Exit Do
    Wend
Loop
WriteLine "exit do through while " & c
