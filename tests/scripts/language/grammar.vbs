' The grammar's permissive forms: literals, End after a statement, statements
' sharing a header's line, hoisted and redefined procedures, parenthesised callees.
' --- number literals: value and type (the smallest that holds a decimal)
Function Ty(v) : Ty = v & " " & TypeName(v) & ", " : End Function
WriteLine Ty(0) & Ty(32767) & Ty(32768) & Ty(2147483647) & Ty(007)
WriteLine Ty(&100) & Ty(&17&) & Ty(&HFFFF) & Ty(&H8001) & Ty(&H8000)
WriteLine Ty(&h10&) & Ty(&hFFFFFFFF&) & Ty(&hFFFF&) & Ty(&h10000&) & Ty(&H80000000) & Ty(&HFFFF8000&)
WriteLine Ty(&O177777) & Ty(&O177777&) & Ty(&O200000)
' --- a statement running into End
t = True
If t Then x = 1 Else x = 2 End If
If Not t Then x = 3 Else x = x + 10 End If
WriteLine x                    ' 11
If t Then
    x = 3 End If
If Not t Then
    x = 4
Else x = x * 2 End If
WriteLine x                    ' 6
If Not t Then
    x = 0
ElseIf t Then x = 7 End If
WriteLine x                    ' 7
If t Then If t Then x = 8 End If
WriteLine x                    ' 8
x = 0 : If t Then S1 End If : WriteLine x ' 1
Sub S1() x = 1 End Sub
Function F1(a) F1 = a * 2 End Function
Sub S2
    Call S1()End Sub
Class Box
Public v End Class
Class Pair
    Public Left
    Function Twice(n) Twice = F1(n)
    x = 0 End Function End Class
S2 : WriteLine x               ' 1
Set b = New Box : b.v = "box" : WriteLine b.v
y = (New Pair).Twice(21) : WriteLine y ' 42
WriteLine x                    ' 0
' --- statements on a Case or procedure header line
For Each n In Array(1, 2, 3)
    Select Case n
    Case 1  y = 200
    Case 2, 3 y = y + n End Select
Next
WriteLine y                    ' 205
Sub S3()x = 3
End Sub
Sub S4() x = true End Sub
Function G() x = 8
    G = x
End Function
S3 : WriteLine x               ' 3
S4 : WriteLine x               ' True
WriteLine G()                  ' 8
' --- procedures defined in blocks, or twice
Hidden                         ' in a block never run
If False Then
    Sub Hidden
        WriteLine "hidden"
    End Sub
End If
Twice : Twice2
Sub Twice : WriteLine "first" : End Sub
Sub Twice : WriteLine "second" : End Sub
Sub Twice2 : WriteLine "sub" : End Sub
Function Twice2 : WriteLine "function" : End Function
' --- parenthesised callees
Class C
    Public Prop
    Sub Class_Initialize : Prop = "prop" : End Sub
    Sub M : WriteLine "M" : End Sub
End Class
Call (New C).M()
Call (New C).M
x = (New C).Prop : WriteLine x
y = (F1)(5) : WriteLine y      ' 10
x = Array(4, 5)
y = ((x))(0) : WriteLine y     ' 4
Sub Echo(v) : v = "changed" : WriteLine "echo " & v : End Sub
z = "kept"
Call (((Echo))) ((z))
WriteLine z                    ' kept: ((z)) is a value
' --- unary plus and Const in a branch never taken
Set o = New C
WriteLine +o Is o              ' True
If False Then Const k = "str"
WriteLine k
Sub UsesK : WriteLine "in sub " & k : End Sub
UsesK
