Dim d, e
Set d = CreateObject("Scripting.Dictionary")
Set d(1) = d
Set e = CreateObject("Scripting.Dictionary")
e.Add e, 1
Class Holder
  Public dict
  Sub Class_Terminate() : WriteLine "holder terminate " & dict.Count : End Sub
End Class
Dim h, hd
Set h = New Holder
Set hd = CreateObject("Scripting.Dictionary")
Set h.dict = hd
Set hd("owner") = h
Set h = Nothing
Set hd = Nothing
WriteLine "end"
