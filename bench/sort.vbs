' An array grown one element at a time through ReDim Preserve, then
' Shell-sorted in the script.
Dim a(), n, seed, i, j, v, gap, total
n = 60000
seed = 1
ReDim a(0)
For i = 0 To n - 1
    seed = (seed * 1105 + 12345) Mod 65536
    ReDim Preserve a(i)
    a(i) = seed
Next

gap = 1
Do While gap < n \ 3
    gap = gap * 3 + 1
Loop
Do While gap > 0
    For i = gap To n - 1
        v = a(i)
        j = i
        ' No short-circuit And in the language: test the element inside.
        Do While j >= gap
            If a(j - gap) <= v Then Exit Do
            a(j) = a(j - gap)
            j = j - gap
        Loop
        a(j) = v
    Next
    gap = gap \ 3
Loop

total = 0
For i = 0 To n - 1
    total = (total * 31 + a(i)) Mod 1000003
Next
WriteLine total
