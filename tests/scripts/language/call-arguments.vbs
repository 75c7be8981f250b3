' How arguments reach script procedures: ByRef shares the caller's variable,
' ByVal and expressions are copies, and temporaries die with the call.
Sub Bump(ByRef a, ByVal b) : a = a + 1 : b = b + 1 : End Sub
Dim x, y
x = 1
y = 1
Bump x, y
WriteLine x & " " & y
Bump (x), y
Bump x + 0, y
WriteLine x & " " & y
' --- one variable passed twice ByRef
Sub Twice(a, b) : a = a & "a" : b = b & "b" : End Sub
Dim t : t = ""
Twice t, t
WriteLine t
' --- a ByRef parameter passed on ByVal, and a copied string grown in place
Function Outer(ByRef r) : Outer = Inner(r) & " " & r : End Function
Function Inner(ByVal v) : v = v * 10 : Inner = v : End Function
Function Grow(ByVal s) : s = s & "!" : Grow = s : End Function
Dim k, w
k = 4
w = "hi"
WriteLine (Outer(k) & " " & k) & " | " & (Grow(w) & " " & w & " " & Grow(w & "?") & " " & w)
' --- an array element passed ByRef locks the array for the call only
Dim dyn()
ReDim dyn(2)
dyn(1) = 5
Sub Resize(ByRef el)
    On Error Resume Next
    ReDim dyn(5)
    WriteLine "redim inside: " & Err.Number
    el = el * 2
End Sub
Resize dyn(1)
WriteLine dyn(1) & " " & UBound(dyn)
Sub Fails(ByRef el) : el = 1 / 0 : End Sub
On Error Resume Next
Fails dyn(1) : WriteLine "failed call: " & ErrNo
Bump x
WriteLine "argument count: " & Err.Number
On Error GoTo 0
ReDim dyn(7)
WriteLine UBound(dyn)
' the lock goes also when the call is a function whose result is used
Function DoubleOf(ByRef el) : DoubleOf = el * 2 : End Function
Class Adder : Function Plus(ByRef el) : Plus = el + 1 : End Function : End Class
Dim adds : Set adds = New Adder
dyn(0) = 5 : w = DoubleOf(dyn(0))
ReDim Preserve dyn(8)
w = w + adds.Plus(dyn(0))
ReDim dyn(9)
WriteLine "after function results: " & w & " " & UBound(dyn)
' --- an object made for an argument goes when the call is over
Class Tracer
    Public Name
    Private Sub Class_Terminate() : WriteLine "gone " & Name : End Sub
End Class
Function Make(n) : Set Make = New Tracer : Make.Name = n : End Function
Sub Take(ByVal o, ByRef p) : WriteLine "inside " & o.Name & " " & p : End Sub
Take Make("first"), "second"
WriteLine "after call"
Function ErrNo() : ErrNo = Err.Number : Err.Clear : End Function

' An object's default member, or a GetRef reference, given one variable takes
' it by reference, as any call does; a constant stays as it is.
Class Shelf
    Public Default Property Get Slot(k) : k = k & "?" : Slot = "got" : End Property
    Public Property Let Slot(k, v) : k = k & "!" : End Property
End Class
Dim rack, slotKey : Set rack = New Shelf : slotKey = "a"
rack(slotKey) = 1
rack("b") = 2
WriteLine slotKey
Function Doubled(n) : n = n * 2 : Doubled = n : End Function
Dim doubler, count : Set doubler = GetRef("Doubled") : count = 3
WriteLine rack(slotKey) & " " & slotKey & " " & doubler(count) & " " & count
