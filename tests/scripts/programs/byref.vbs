' ByRef and ByVal: what a procedure can change in its caller.
Sub Bump(n)
    n = n + 1
End Sub
Sub BumpVal(ByVal n)
    n = n + 1
End Sub
Dim x
x = 1
Bump x
WriteLine x
BumpVal x
WriteLine x
' --- parentheses around an argument pass a copy
Bump (x)
WriteLine x
Call Bump(x)
WriteLine x
Call Bump((x))
WriteLine x
' --- expressions and constants cannot be changed
Bump x + 0
WriteLine x
Const K = 5
Bump K
WriteLine K
' --- array elements and whole arrays by reference
Dim arr(2)
arr(0) = 10
Bump arr(0)
WriteLine arr(0)
Sub Fill(a)
    Dim i
    For i = 0 To UBound(a)
        a(i) = i * i
    Next
End Sub
Fill arr
WriteLine Join(arr, ",")
Sub FillVal(ByVal a)
    a(0) = "changed"
End Sub
FillVal arr
WriteLine arr(0)
' --- a ByRef parameter that is redimensioned changes the caller's array
Sub Grow(a)
    ReDim Preserve a(UBound(a) + 2)
    a(UBound(a)) = "end"
End Sub
Dim dyn
dyn = Array(1, 2)
Grow dyn
WriteLine UBound(dyn) & " " & dyn(3) & " [" & dyn(2) & "]"
' --- assignment copies arrays
Dim copy
copy = dyn
copy(0) = "copy"
WriteLine dyn(0) & " " & copy(0)
' --- objects: ByVal still shares the object, but cannot replace the caller's reference
Class Box
    Public Value
End Class
Sub SetValue(ByVal b)
    b.Value = "set through ByVal"
    Set b = New Box
    b.Value = "new box"
End Sub
Sub Replace2(b)
    Set b = New Box
    b.Value = "replaced"
End Sub
Dim bx
Set bx = New Box
SetValue bx
WriteLine bx.Value
Replace2 bx
WriteLine bx.Value
' --- an object member passed ByRef is passed by value
Sub Change(v)
    v = "changed"
End Sub
Change bx.Value
WriteLine bx.Value
' --- a function may change its ByRef arguments and return a value
Function Swap(a, b)
    Dim t
    t = a: a = b: b = t
    Swap = a & b
End Function
Dim p, q
p = "L": q = "R"
WriteLine Swap(p, q) & " " & p & q
' --- the same variable passed twice ByRef
Sub Twice(a, b)
    a = a + 1
    b = b * 10
End Sub
x = 1
Twice x, x
WriteLine x
' --- loop variables and ByRef
Dim i
For i = 1 To 3
    Bump i
Next
WriteLine i
