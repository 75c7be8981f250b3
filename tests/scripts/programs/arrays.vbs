' Arrays of arrays, multi-dimensional arrays and ReDim Preserve.
Dim jag, row, i, j, s
jag = Array(Array(1, 2, 3), Array("a", "b"), Array())
For Each row In jag
    WriteLine UBound(row) + 1 & ": " & Join(row, ",")
Next
WriteLine jag(0)(2) & jag(1)(0)
row = jag(1)
row(1) = "B"
jag(1) = row
WriteLine jag(1)(1)
' --- an element array is a copy when taken out
row = jag(0)
row(0) = 100
WriteLine jag(0)(0) & " " & row(0)
' --- multi-dimensional
Dim m(2, 3)
For i = 0 To 2
    For j = 0 To 3
        m(i, j) = i * 10 + j
    Next
Next
WriteLine UBound(m) & " " & UBound(m, 1) & " " & UBound(m, 2) & " " & LBound(m, 2)
s = ""
For Each i In m
    s = s & i & " "
Next
WriteLine "order: " & Trim(s)
' --- ReDim Preserve changes only the last dimension
Dim grid()
ReDim grid(1, 1)
grid(0, 0) = "a": grid(1, 1) = "d"
ReDim Preserve grid(1, 3)
grid(1, 3) = "z"
WriteLine grid(0, 0) & grid(1, 1) & grid(1, 3) & " " & UBound(grid, 2)
On Error Resume Next
ReDim Preserve grid(2, 3)
WriteLine "first dimension: " & Err.Number & " " & Err.Description
Err.Clear
WriteLine grid(1, 3)
' --- shrinking with Preserve drops elements
Dim v
v = Array(1, 2, 3, 4, 5)
ReDim Preserve v(2)
WriteLine Join(v, ",")
' --- ReDim without Preserve empties
ReDim v(1)
WriteLine "[" & v(0) & "]" & IsEmpty(v(1))
' --- subscript errors
Dim fixed(2)
fixed(3) = 1
WriteLine "out of range: " & Err.Number
Err.Clear
ReDim fixed(5)
WriteLine "fixed array ReDim: " & Err.Number & " " & Err.Description
Err.Clear
WriteLine m(1, 2, 3)
WriteLine "wrong dims: " & Err.Number
Err.Clear
On Error GoTo 0
' --- Erase
Dim e(2)
e(0) = 5
Erase e
WriteLine UBound(e) & " [" & e(0) & "]"
Dim d2
d2 = Array(1)
ReDim d2(3)
Erase d2
WriteLine IsArray(d2)
On Error Resume Next
WriteLine UBound(d2)
WriteLine "erased dynamic: " & Err.Number
On Error GoTo 0
' --- building a matrix product with arrays of arrays
Function MatMul(a, b)
    Dim r(), n, p, q, k, sum
    n = UBound(a): p = UBound(b(0)): q = UBound(b)
    ReDim r(n)
    For i = 0 To n
        Dim rowOut
        rowOut = Array()
        ReDim rowOut(p)
        For j = 0 To p
            sum = 0
            For k = 0 To q
                sum = sum + a(i)(k) * b(k)(j)
            Next
            rowOut(j) = sum
        Next
        r(i) = rowOut
    Next
    MatMul = r
End Function
Dim prod
prod = MatMul(Array(Array(1, 2), Array(3, 4)), Array(Array(5, 6), Array(7, 8)))
WriteLine Join(prod(0), " ") & " / " & Join(prod(1), " ")
' --- bubble sort of strings and numbers
Function Sorted(a)
    Dim x, y, t
    For x = 0 To UBound(a) - 1
        For y = 0 To UBound(a) - 1 - x
            If a(y) > a(y + 1) Then t = a(y): a(y) = a(y + 1): a(y + 1) = t
        Next
    Next
    Sorted = a
End Function
WriteLine Join(Sorted(Array(5, 3, 10, 1)), " ")
WriteLine Join(Sorted(Array("pear", "Apple", "banana")), " ")
WriteLine TypeName(jag) & " " & VarType(jag) & " " & TypeName(m) & " " & VarType(fixed)
