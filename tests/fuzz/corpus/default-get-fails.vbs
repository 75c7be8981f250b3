Class Plain
  Public v
End Class
Class C
  Public Default Property Get Value
    Dim t : Set t = New Plain : Value = t
  End Property
End Class
Dim o, y, i
Set o = New C
On Error Resume Next
For i = 1 To 3
  y = o + 1
  y = o & 1
  y = CStr(o)
Next
WriteLine Err.Number
