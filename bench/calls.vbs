' Millions of calls of a two-argument function.
Function Add2(a, b)
    Add2 = a + b
End Function

Dim total, i
total = 0
For i = 1 To 3000000
    total = Add2(total, i Mod 7)
Next
WriteLine total
