' Error handling across procedures: Resume Next, Raise, Clear, and what clears Err.
Function SafeDivide(a, b)
    On Error Resume Next
    SafeDivide = a / b
    If Err.Number <> 0 Then
        SafeDivide = "n/a (" & Err.Number & ")"
        Err.Clear
    End If
End Function
WriteLine SafeDivide(10, 4) & " " & SafeDivide(1, 0) & " " & SafeDivide("x", 1)

' --- a raised error travels up through procedures without handlers
Sub Level3()
    Err.Raise vbObjectError + 42, "Level3", "deep failure"
    WriteLine "not reached 3"
End Sub
Sub Level2()
    Level3
    WriteLine "not reached 2"
End Sub
Sub Level1()
    On Error Resume Next
    Level2
    WriteLine "Level1 sees " & (Err.Number - vbObjectError) & " from " & Err.Source
End Sub
Level1
WriteLine "after Level1: " & Err.Number

' --- the handler at script level catches errors from nested calls
On Error Resume Next
Level2
WriteLine "script sees " & Err.Description
Err.Clear

' --- Resume Next skips the rest of a failing statement only
Dim a, b
a = 1
b = a + "abc"
WriteLine "b is empty: " & IsEmpty(b) & " err " & Err.Number
Err.Clear
' --- an error in an If condition continues inside the block
If 1 / 0 = 5 Then
    WriteLine "inside the If after the error"
Else
    WriteLine "else branch"
End If
WriteLine Err.Number
Err.Clear
' --- On Error GoTo 0 inside a procedure does not affect the caller
Sub Strict()
    On Error GoTo 0
    Dim z
    z = CLng("not a number")
    WriteLine "not reached strict"
End Sub
Strict
WriteLine "caller continues: " & Err.Number & " " & Err.Description
Err.Clear

' --- Err.Raise keeps the number's own text unless a description is given
Err.Raise 9
WriteLine Err.Number & " " & Err.Description & " | " & Err.Source
Err.Raise 13, "Mine"
WriteLine Err.Number & " " & Err.Description & " | " & Err.Source
Err.Clear
WriteLine "cleared [" & Err.Number & "][" & Err.Description & "][" & Err.Source & "]"

' --- Err persists until cleared; a new On Error Resume Next clears it
Err.Raise 5
On Error Resume Next
WriteLine "after On Error: " & Err.Number

' --- retry loop
Dim attempts, ok
attempts = 0
Function Flaky()
    attempts = attempts + 1
    If attempts < 3 Then Err.Raise 1000 + attempts, "Flaky", "try again"
    Flaky = "done after " & attempts
End Function
Do
    Err.Clear
    ok = Flaky()
    If Err.Number = 0 Then Exit Do
    WriteLine "failed " & Err.Number
Loop
WriteLine ok

' --- an error inside a class method carries the class's source
Class Account
    Public Balance
    Public Sub Withdraw(amount)
        If amount > Balance Then Err.Raise 5000, "Account", "Insufficient funds"
        Balance = Balance - amount
    End Sub
End Class
Dim acct
Set acct = New Account
acct.Balance = 100
acct.Withdraw 30
acct.Withdraw 100
WriteLine acct.Balance & " " & Err.Number & " " & Err.Source & " " & Err.Description
Err.Clear
On Error GoTo 0
' --- without a handler the error stops the script
WriteLine "last line before the unhandled error"
acct.Withdraw 1000
WriteLine "never printed"
