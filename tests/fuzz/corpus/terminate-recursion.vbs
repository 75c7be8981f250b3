Function R(n) : R = R(n + 1) : End Function
Class D
  Sub Class_Terminate() : R 0 : End Sub
End Class
Dim g
Set g = New D
WriteLine "end"
