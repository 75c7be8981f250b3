' Sub and Function: ByRef and ByVal, parentheses, results, Exit, argument counts.
' --- Call passes ByRef; parentheses or an expression pass a copy (ByVal and
' the other forms are in call-arguments.vbs)
Sub AddOne(n) : n = n + 1 : End Sub
Dim a : a = 1
Call AddOne(a) : AddOne (a) : AddOne(a) : AddOne a + 0
WriteLine a
' --- ByRef array elements and sorting through a swap
Sub Swap(x, y)
    Dim t : t = x : x = y : y = t
End Sub
Dim v(4)
v(0) = 5 : v(1) = 3 : v(2) = 9 : v(3) = 1 : v(4) = 7
Dim i, j
For i = 0 To 3
    For j = 0 To 3 - i
        If v(j) > v(j + 1) Then Swap v(j), v(j + 1)
    Next
Next
WriteLine Join(v, ",")
' --- functions and their results
Function Twice(x) : Twice = x * 2 : End Function
Function NoResult()
End Function
WriteLine Twice(21) & " | " & TypeName(NoResult()) & " | " & Twice(Twice(3))
' --- Exit Sub and Exit Function
Function FirstNegative(arr)
    Dim k
    FirstNegative = -1
    For k = 0 To UBound(arr)
        If arr(k) < 0 Then
            FirstNegative = k
            Exit Function
        End If
    Next
End Function
Sub Early(flag)
    If flag Then Exit Sub
    WriteLine "ran to the end"
End Sub
WriteLine FirstNegative(Array(3, 4, -2, -8)) & " | " & FirstNegative(Array(1))
Early True
Early False
' --- procedures are defined before the top-level code runs
WriteLine Later(2)
Function Later(x) : Later = x + 100 : End Function
' --- errors
On Error Resume Next
Twice 1, 2 : WriteLine Caught
x = Twice() : WriteLine Caught
Undefined 1 : WriteLine Caught
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
