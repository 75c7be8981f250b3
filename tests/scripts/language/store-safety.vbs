' Stores, calls and references through values that script code changes
' underneath them: each case once crashed or wrote into freed memory.
On Error Resume Next
Dim line
Sub Try(label) : line = line & label & "=" & Err.Number & " " : Err.Clear : End Sub
Sub Flush() : WriteLine line : line = "" : End Sub
' --- ReDim of a name that is not a variable
Const Fixed = 1
ReDim IsNull(5) : Try "IsNull"
ReDim Fixed(5) : Try "Const"
ReDim Err(5) : Try "Err"
ReDim Eval(5) : Try "Eval"
Sub RedimInProc() : ReDim Len(2) : End Sub
RedimInProc : Try "Len in a Sub"
Flush
' --- an indexed store into a class field that holds no array
Class Bag : Public f : Sub Inside() : Me.f(1) = 5 : End Sub : End Class
Dim o : Set o = New Bag
o.f(1) = 5 : Try "Empty"
o.f = 1234567
o.f(1) = 5 : Try "number"
o.f = "abc"
o.f(1) = 5 : Try "string"
Set o.f(1) = o : Try "Set"
o.Inside : Try "Me.f(1)"
With o : .f(1) = 5 : End With : Try "With"
Try o.f
Flush
' --- script code run by a store redims the array being stored into
Dim a
Class Resizer
    Public Default Property Get Value() : ReDim a(2) : Value = 42 : End Property
End Class
Class Shrinker
    Private Sub Class_Terminate() : ReDim a(2) : End Sub
End Class
ReDim a(1000)
a(1) = New Resizer
WriteLine "default member: " & UBound(a) & " " & a(1)
ReDim a(1000)
Set a(1) = New Shrinker
a(1) = 7
WriteLine "terminate on Let: " & UBound(a) & " [" & a(1) & "]"
ReDim a(1000)
a(0) = "x"
a(0) = a(0) & New Resizer
WriteLine "append: " & UBound(a) & " [" & a(0) & "]"
' --- an array inside an array
ReDim a(1)
a(0) = Array(1, 2, 3)
a(0)(1) = New Resizer : Try "inner element"
' --- a field's array
Class Box : Public items(10) : End Class
Class FieldResizer
    Public Default Property Get Value() : bx.items = 0 : Value = 1 : End Property
End Class
Dim bx : Set bx = New Box
bx.items(3) = New FieldResizer
Try "field array " & bx.items
Flush
' --- an element passed ByRef is locked while the callee runs
Sub Grow(ByRef el)
    On Error Resume Next
    ReDim a(5) : Try "ReDim"
    Erase a : Try "Erase"
    el = "set"
End Sub
ReDim a(1000)
Grow a(3)
Flush
WriteLine "byref: " & UBound(a) & " " & a(3)
' --- elements released by Erase and ReDim Preserve run script safely
Class Replacer
    Private Sub Class_Terminate() : a = "replaced" : End Sub
End Class
a = "x"
Sub EraseFixed()
    Dim b(2)
    Set b(0) = New Replacer
    Set b(1) = New Replacer
    Erase b
    WriteLine "erase fixed: " & a & " " & UBound(b)
End Sub
EraseFixed
ReDim a(3)
Set a(2) = New Replacer
Set a(3) = New Replacer
ReDim Preserve a(1)
WriteLine "preserve: " & TypeName(a)

' --- while an element is passed ByRef, copies of its array are values
ReDim c(1)
Sub CopyWhileLocked(ByRef x)
    Dim d : d = c
    c(0) = c
    c(1) = "new"
    x = "arg"
    WriteLine "locked copies: " & IsEmpty(d(1)) & " " & UBound(c(0)) & " " & IsEmpty(c(0)(0)) & " " & IsEmpty(c(0)(1))
End Sub
CopyWhileLocked c(1)
WriteLine "after: " & c(1) & " " & IsArray(c(0))

' --- a(i)(j) = v where computing v replaces a: the store goes to the old
' array, which stays alive until the statement ends
nest = Array(Array(1, 2, 3))
Function Reassign(ByRef unused) : nest = 0 : Reassign = 5 : End Function
nest(0)(1) = Reassign(unusedVar)
WriteLine "reassigned: " & TypeName(nest)
