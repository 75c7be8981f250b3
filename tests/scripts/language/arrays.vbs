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
' --- assignment copies
Dim src(1), copy
src(0) = 1
copy = src
copy(0) = 2
WriteLine src(0) & " " & copy(0)
Sub Fill(arr)
    arr(0) = "filled"
End Sub
Fill src
WriteLine src(0)
' --- For Each iterates a copy
Dim e, seen
For Each e In src
    src(1) = "changed"
    seen = seen & "[" & e & "]"
Next
WriteLine seen & " " & src(1)
' --- Erase
Erase fixed
WriteLine UBound(fixed) & IsEmpty(fixed(0))
Erase dyn
On Error Resume Next
WriteLine UBound(dyn)
WriteLine Err.Number & " " & Err.Description
Err.Clear
' --- errors
WriteLine fixed(3)
WriteLine Err.Number & " " & Err.Description
Err.Clear
ReDim fixed(5)
WriteLine Err.Number & " " & Err.Description
Err.Clear
ReDim Preserve m(2, 3)
WriteLine Err.Number & " " & Err.Description
Err.Clear
WriteLine grid(1)
WriteLine Err.Number & " " & Err.Description
Err.Clear
Dim scalar
scalar = 1
WriteLine scalar(0)
WriteLine Err.Number & " " & Err.Description
Err.Clear
ReDim huge(2000000000)
WriteLine Err.Number & " " & Err.Description
Err.Clear
ReDim small(2)
WriteLine UBound(small)
