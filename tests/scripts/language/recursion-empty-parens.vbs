' Inside a function, its name with an empty argument list is a recursive call;
' the bare name is the result variable.
Dim depth : depth = 0
Function F()
    depth = depth + 1
    If depth < 3 Then F = F() + 1 Else F = 10
End Function
WriteLine F()
depth = 0
Function G()
    depth = depth + 1
    G = 1
    If depth < 3 Then G = G + G()
End Function
WriteLine G()
Class Counter
    Public N
    Public Function Down()
        N = N - 1
        Down = "x"
        If N > 0 Then Down = Down & Down()
    End Function
End Class
Dim c : Set c = New Counter
c.N = 4
WriteLine c.Down()
depth = 0
Function H()
    depth = depth + 1
    If depth < 3 Then Call H()
    H = depth
End Function
WriteLine H()
