' On Error, the Err object and how errors travel between procedures.
' --- Resume Next continues after the failing statement
On Error Resume Next
Dim x : x = 1
x = 1 / 0
WriteLine ("continued " & x) & " | " & (Err.Number & " " & Err.Description & " / " & Err.Source)
' --- On Error statements clear Err
On Error Resume Next
WriteLine Err.Number
' --- Err.Raise
Err.Raise 6
WriteLine Err.Number & " " & Err.Description
Err.Clear : Err.Raise 1000
WriteLine Err.Number & " " & Err.Description
Err.Clear : Err.Raise 32812
WriteLine Err.Number & " " & Err.Description
' what Err holds, until cleared, fills the arguments Raise omits
Err.Clear : Err.Source = "Held" : Err.Description = "held text" : Err.HelpContext = 7 : Err.Raise 1001
WriteLine Err.Number & " " & Err.Description & " / " & Err.Source & " " & Err.HelpContext
Err.Raise vbObjectError + 513, "MyApp", "Custom failure"
WriteLine (Err.Number - vbObjectError) & " " & Err.Source & " " & Err.Description
Err.Raise 11, , "Own text"
WriteLine (Err.Number & " " & Err.Description) & " | " & Err
Err.Clear
WriteLine Err.Number & "[" & Err.Description & "]"
' --- an error in a procedure without a handler returns to the caller's
Sub Fails() : WriteLine "before" : Err.Raise 5 : WriteLine "never printed" : End Sub
Fails : WriteLine "caller saw " & ErrNo
' --- a procedure with its own handler keeps going; leaving it clears Err
Sub Handles()
    On Error Resume Next
    Dim y : y = CInt("x")
    WriteLine "inside " & Err.Number
End Sub
Handles
WriteLine "after " & Err.Number
' --- an If condition that fails runs its branch
If 1 / 0 = 5 Then
    WriteLine "branch taken"
End If
Err.Clear
' --- On Error GoTo 0 turns handling off again
Function Safe(v)
    On Error Resume Next
    Safe = 10 / v
    If Err.Number <> 0 Then Safe = "div0"
End Function
WriteLine Safe(2) & " " & Safe(0)
' --- a default Property Get that fails while converting releases what it made
Class Plain
    Sub Class_Terminate() : WriteLine "plain released" : End Sub
End Class
Class Wrapper
    Public Default Property Get Value : Value = New Plain : End Property
End Class
Dim wrapped, k, sum
Set wrapped = New Wrapper
For k = 1 To 2 : sum = wrapped + 1 : WriteLine "converted " & ErrNo : Next
On Error GoTo 0
WriteLine "end"
Err.Raise 424
WriteLine "not reached"
Function ErrNo() : ErrNo = Err.Number : Err.Clear : End Function
