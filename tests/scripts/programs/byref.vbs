' ByRef and ByVal beyond the simple cases: copies made by parentheses and
' constants, whole arrays, objects, members and loop variables.
Sub Bump(n) : n = n + 1 : End Sub
Dim x : x = 1
Call Bump((x))
Const K = 5
Bump K
WriteLine x & " " & K
' --- a ByVal array is a copy; a ByRef array can be redimensioned by the callee
Sub FillVal(ByVal a) : a(0) = "changed" : End Sub
Sub Grow(a) : ReDim Preserve a(UBound(a) + 2) : a(UBound(a)) = "end" : End Sub
Dim dyn : dyn = Array(1, 2)
FillVal dyn
Grow dyn
WriteLine dyn(0) & " " & UBound(dyn) & " " & dyn(3) & " [" & dyn(2) & "]"
' --- objects: ByVal still shares the object, but cannot replace the caller's reference
Class Box : Public Value : End Class
Sub SetValue(ByVal b)
    b.Value = "set through ByVal"
    Set b = New Box
    b.Value = "new box"
End Sub
Sub Replace2(b) : Set b = New Box : b.Value = "replaced" : End Sub
Dim bx : Set bx = New Box
SetValue bx
WriteLine bx.Value
Replace2 bx
WriteLine bx.Value
' --- an object member passed ByRef is passed by value
Sub Change(v) : v = "changed" : End Sub
Change bx.Value
WriteLine bx.Value
' --- a function may change its ByRef arguments and return a value
Function Swap(a, b)
    Dim t : t = a: a = b: b = t
    Swap = a & b
End Function
Dim p, q
p = "L": q = "R"
WriteLine Swap(p, q) & " " & p & q
' --- loop variables and ByRef
Dim i
For i = 1 To 3 : Bump i : Next
WriteLine i
