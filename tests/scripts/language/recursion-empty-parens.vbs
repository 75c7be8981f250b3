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
' With a list, also as another call's argument: F(m - 1, F(m, n - 1)).
Function Ack(m, n)
    If m = 0 Then
        Ack = n + 1
    ElseIf n = 0 Then
        Ack = Ack(m - 1, 1)
    Else
        Ack = Ack(m - 1, Ack(m, n - 1))
    End If
End Function
WriteLine Ack(2, 3)
Class Nest
    Public Property Get Depth(n)
        If n = 0 Then Depth = 0 Else Depth = 1 + Depth(Depth(n - 1) * 0 + n - 1)
    End Property
End Class
Dim nested : Set nested = New Nest
WriteLine nested.Depth(4)
' The bare name as an argument is still the result variable, passed ByRef.
Sub Bump(v) : v = v + 5 : End Sub
Function R()
    R = 1
    Bump R
End Function
WriteLine R()
' Eval and Execute text run by the function sees the same: the bare name is
' the result, with a list a recursive call (of a method inside a class too).
Function Sum(n)
    If n = 0 Then Sum = 0 Else Execute "Sum = n + Sum(n - 1)"
    If n = 3 Then Sum = Eval("Sum * 10 + Sum(1)")
End Function
Class Factorial
    Public Property Get Of(n)
        If n <= 1 Then Of = 1 Else Of = n * Eval("Of(n - 1)")
    End Property
End Class
Dim fact : Set fact = New Factorial
WriteLine Sum(3) & " " & fact.Of(5)
