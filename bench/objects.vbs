' Many small objects, each created and asked once through a method.
Class Pair
    Public A, B

    Public Function Sum()
        Sum = A + B
    End Function
End Class

Dim total, i, p
total = 0
For i = 1 To 300000
    Set p = New Pair
    p.A = i Mod 100
    p.B = 3
    total = (total + p.Sum()) Mod 1000003
Next
WriteLine total
