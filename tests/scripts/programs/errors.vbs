' Error handling across procedures: how far a raised error travels, what a
' procedure's own handler changes for its caller, retries and class sources.
' --- a raised error travels up through procedures without handlers
Sub Level3()
    Err.Raise vbObjectError + 42, "Level3", "deep failure"
    WriteLine "not reached 3"
End Sub
Sub Level2() : Level3 : WriteLine "not reached 2" : End Sub
Sub Level1()
    On Error Resume Next
    Level2
    WriteLine "Level1 sees " & (Err.Number - vbObjectError) & " from " & Err.Source
End Sub
Level1
WriteLine "after Level1: " & Err.Number

On Error Resume Next
' --- On Error GoTo 0 inside a procedure does not affect the caller
Sub Strict()
    On Error GoTo 0
    Dim z : z = CLng("not a number")
    WriteLine "not reached strict"
End Sub
Strict
WriteLine "caller continues: " & Err.Number

' --- on a cleared Err, Err.Raise takes the number's own text and the engine's source unless given
Err.Clear : Err.Raise 9
WriteLine Err.Number & " " & Err.Description & " | " & Err.Source
Err.Clear : Err.Raise 13, "Mine"
WriteLine Err.Number & " " & Err.Description & " | " & Err.Source
Err.Clear

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

' --- an error inside a class method carries the class's source, also when unhandled
Class Account
    Public Balance
    Public Sub Withdraw(amount)
        If amount > Balance Then Err.Raise 5000, "Account", "Insufficient funds"
        Balance = Balance - amount
    End Sub
End Class
Dim acct : Set acct = New Account
acct.Balance = 100
acct.Withdraw 30
acct.Withdraw 100
WriteLine acct.Balance & " " & Err.Number & " " & Err.Source & " " & Err.Description
Err.Clear
On Error GoTo 0
acct.Withdraw 1000
WriteLine "never printed"
