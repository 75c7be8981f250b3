Class C
  Public x
  Sub Class_Terminate() : Set x = New C : End Sub
End Class
Dim g
Set g = New C
WriteLine "end"
