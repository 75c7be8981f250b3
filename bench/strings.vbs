' A mix of string functions: Mid, UCase, InStr, Replace, Len.
Dim base, total, i, k, t, p
base = "The quick brown fox jumps over the lazy dog"
total = 0
For i = 1 To 600000
    k = i Mod 20
    t = UCase(Mid(base, k + 1, 12))
    p = InStr(t, "O")
    t = Replace(t, " ", "_")
    total = (total + Len(t) * 7 + p) Mod 1000003
Next
WriteLine total
