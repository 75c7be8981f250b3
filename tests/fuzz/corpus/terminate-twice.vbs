Class C
  Sub Class_Terminate()
    Dim a, b
    Set a = New C
    Set b = New C
  End Sub
End Class
Dim g
Set g = New C
WriteLine "end"
