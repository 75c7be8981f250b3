' Dim, ReDim, ReDim Preserve, Erase, multi-dimensional arrays and copies.
' --- fixed and dynamic
Dim fixed(2), grid(1, 2), dyn()
fixed(0) = "a" : fixed(2) = "c"
WriteLine UBound(fixed) & " " & fixed(0) & IsEmpty(fixed(1)) & fixed(2)
grid(1, 2) = 12 : grid(0, 1) = 1
WriteLine UBound(grid, 1) & " " & UBound(grid, 2) & " " & grid(1, 2) + grid(0, 1)
ReDim dyn(3)
dyn(3) = "last"
ReDim Preserve dyn(5)
WriteLine UBound(dyn) & " " & dyn(3)
ReDim dyn(1)
WriteLine IsEmpty(dyn(1)) & " " & UBound(dyn)
Dim m()
ReDim m(1, 1)
m(1, 1) = "x"
ReDim Preserve m(1, 3)
WriteLine m(1, 1) & UBound(m, 2)
Dim c3 : ReDim c3(1, 1, 2) : c3(1, 1, 2) = 7 : ReDim Preserve c3(1, 1, 4)
WriteLine c3(1, 1, 2) & UBound(c3, 3) & UBound(c3, 1)
' --- assignment copies
Dim src(1), copy
src(0) = 1
copy = src
copy(0) = 2
WriteLine src(0) & " " & copy(0)
Dim g2 : g2 = grid : g2(1, 2) = 99 : g2(1, 0) = "s" : WriteLine grid(1, 2) & " " & g2(1, 2) & " " & g2(0, 1) & IsEmpty(grid(1, 0))
Sub Fill(arr) : arr(0) = "filled" : End Sub
Fill src
WriteLine src(0)
' --- For Each iterates a copy
Dim e, seen
For Each e In src : src(1) = "changed" : seen = seen & "[" & e & "]" : Next
WriteLine seen & " " & src(1)
Dim nums : nums = Array(1, 2, 3) : seen = ""
For Each e In nums : nums(2) = 0 : copy = nums : copy(1) = 9 : seen = seen & e : Next
WriteLine seen & " " & Join(nums, "") & Join(copy, "")
' --- Erase
Erase fixed
WriteLine UBound(fixed) & IsEmpty(fixed(0))
Erase dyn
On Error Resume Next
WriteLine UBound(dyn) : WriteLine Caught
' --- errors
WriteLine fixed(3) : WriteLine Caught
ReDim fixed(5) : WriteLine Caught
ReDim Preserve m(2, 3) : WriteLine Caught
WriteLine grid(1) : WriteLine Caught
Dim scalar : scalar = 1
WriteLine scalar(0) : WriteLine Caught
ReDim huge(2000000000) : WriteLine Caught
ReDim small(2)
WriteLine UBound(small)
' --- ReDim Preserve one element at a time: the bounds stay exact
Dim g(), gi, h
ReDim g(-1)
WriteLine UBound(g)
For gi = 0 To 999 : ReDim Preserve g(gi) : g(gi) = gi : Next
WriteLine UBound(g) & " " & g(0) & " " & g(999)
' strings, objects and nested arrays move intact as the block grows and shrinks
Class Holder : Public V : End Class
Dim mv() : ReDim mv(-1)
For gi = 0 To 2999 : ReDim Preserve mv(gi) : mv(gi) = "v" & gi : Next
mv(5) = Array(1, "x") : Set mv(6) = New Holder : mv(6).V = "held"
ReDim Preserve mv(9999) : ReDim Preserve mv(999)
WriteLine mv(999) & mv(4) & mv(5)(1) & mv(6).V & IsEmpty(mv(998)) & UBound(mv)
WriteLine g(1000) : WriteLine ErrNo
g(1000) = 1 : WriteLine ErrNo & " " & UBound(g)
ReDim Preserve g(9)
ReDim Preserve g(11)
WriteLine UBound(g) & " " & g(9) & " " & IsEmpty(g(10)) & IsEmpty(g(11))
h = g
ReDim Preserve h(12)
h(0) = "h"
WriteLine UBound(g) & " " & UBound(h) & " " & g(0) & h(0)
ReDim Preserve g(-1)
WriteLine UBound(g)
ReDim Preserve g(0)
WriteLine IsEmpty(g(0)) & " " & UBound(g)
ReDim Preserve g(2000000000) : WriteLine ErrNo & " " & UBound(g)
On Error GoTo 0
' One index into a variable: arrays inline, everything else as before.
Dim ea(3), eb, ei, eo
ea(0) = ea
WriteLine "self " & UBound(ea(0)) & " " & IsEmpty(ea(0)(0))
eb = ea
eb(1) = 5
WriteLine "cow " & IsEmpty(ea(1)) & " " & eb(1)
ea(1.6) = "r"
WriteLine "round " & ea(2)
On Error Resume Next
ea(4) = 1 : WriteLine "range " & ErrNo
ei = "x"
ea(ei) = 1 : WriteLine "type " & ErrNo
Dim es : es = 5
es(0) = 1 : WriteLine "scalar " & ErrNo
WriteLine "read scalar [" & es(0) & "] " & ErrNo
On Error GoTo 0
Set eo = CreateObject("Scripting.Dictionary")
eo("k") = 3
WriteLine "dict " & eo("k")
Sub ElementsInLocals()
    Dim m(2), d
    m(1) = "x"
    Set d = CreateObject("Scripting.Dictionary")
    d(1) = m(1) & "y"
    WriteLine "local " & m(1) & d(1) & m(2)
    Dim n(1, 1)
    n(1, 1) = 4
    WriteLine "two " & n(1, 1)
End Sub
ElementsInLocals
Dim eg(2)
For ei = 0 To 2 : eg(ei) = ei * ei : Next
WriteLine eg(0) & eg(1) & eg(2)
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
Function ErrNo() : ErrNo = Err.Number : Err.Clear : End Function
' Element reads in a procedure at and past each end, after each reshape.
Sub Edges()
    Dim a(), e
    ReDim a(2) : a(2) = 5
    e = a(2) & " " & ReadErr(a, 3) & " " & ReadErr(a, -1)
    ReDim Preserve a(4) : a(4) = 7
    e = e & " " & a(4) & " " & ReadErr(a, 5)
    ReDim a(1, 1)
    e = e & " " & ReadErr(a, 1)
    ReDim a(-1)
    WriteLine e & " " & UBound(a) & " " & ReadErr(a, 0) & " " & ReadErr(Array(), 0)
End Sub
Function ReadErr(a, i)
    On Error Resume Next
    Dim v : v = a(i)
    ReadErr = Err.Number
End Function
Edges
