' Dictionary inserts and look-ups with string keys.
Dim d, i, key, total
Set d = CreateObject("Scripting.Dictionary")
For i = 1 To 200000
    d.Add "k" & i, i
Next
total = 0
For i = 1 To 200000
    key = "k" & ((i * 7) Mod 200000 + 1)
    If d.Exists(key) Then total = (total + d(key)) Mod 1000003
Next
WriteLine d.Count & " " & total
