Class I
  Public x
  Sub Class_Initialize() : Set x = New I : End Sub
End Class
Class D
  Sub Class_Terminate() : Dim y : Set y = New I : End Sub
End Class
Dim g
Set g = New D
WriteLine "end"
