' Nested counting loops with integer arithmetic.
Dim total, i, j
total = 0
For i = 1 To 3000
    For j = 1 To 1000
        total = (total + i * j + i \ 3) Mod 1000003
    Next
Next
WriteLine total
