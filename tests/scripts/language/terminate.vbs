' The exact moments Class_Terminate runs.
Class Node
    Public Name, Other
    Private Sub Class_Terminate() : WriteLine "terminate " & Name : End Sub
End Class
Function Make(name) : Set Make = New Node : Make.Name = name : End Function
' --- reassignment and Nothing
Dim a : Set a = Make("first")
Set a = Make("second")
WriteLine "reassigned"
Set a = Nothing
WriteLine "nothing"
' --- an object nobody keeps goes at once
Make "temp"
WriteLine "after temp"
' --- a function's local goes when the function returns
Sub Scoped()
    Dim inner : Set inner = Make("local")
    WriteLine "leaving"
End Sub
Scoped
WriteLine "left"
' --- Exit Do / Exit For out of With, Select Case and For Each drops what they held
Dim held, k
Set held = Make("with")
Do : With held : Exit Do : End With : Loop
Set held = Nothing
Set held = Make("select")
For k = 1 To 2 : Select Case held.Name : Case "select" : Exit For : End Select : Next
Set held = Nothing
Do : For Each k In Array(Make("for each")) : Exit Do : Next : Loop
k = Empty
WriteLine "exits done"
' --- a cycle lives until the engine closes; globals go before it
Dim x, y, keep
Set x = Make("cycle x")
Set y = Make("cycle y")
Set x.Other = y
Set y.Other = x
Set x = Nothing
Set y = Nothing
Set keep = Make("global")
WriteLine "end of script"
