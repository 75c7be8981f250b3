' String building by repeated appends to one variable.
Dim s, x, i
s = ""
For i = 1 To 2000000
    x = "x" & (i Mod 10)
    s = s & x
Next
WriteLine Len(s) & " " & Mid(s, Len(s) - 5)
