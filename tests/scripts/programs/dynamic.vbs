' Eval, Execute, ExecuteGlobal and GetRef: code built and called at run time.
Dim x, total
x = 6
WriteLine Eval("x * 7") & " " & Eval("x = 6") & " " & TypeName(Eval("""a"" & 1"))
' --- Eval treats = as comparison, Execute as assignment
Eval "x = 100"
WriteLine x
Execute "x = 100"
WriteLine x
' --- Execute runs several statements, separated by colons or newlines
Execute "total = 0 : For i = 1 To 4 : total = total + i : Next"
WriteLine total
Execute "Dim y" & vbCrLf & "y = ""from execute""" & vbCrLf & "WriteLine y"
' --- Execute in a procedure works in its local scope; ExecuteGlobal at script level
Sub MakeLocal()
    Dim loc
    Execute "loc = 42"
    WriteLine "local " & loc
    ExecuteGlobal "Dim madeGlobal : madeGlobal = ""global"""
End Sub
MakeLocal
WriteLine madeGlobal
' --- ExecuteGlobal can define procedures and classes used afterwards
ExecuteGlobal "Function Twice(n) : Twice = n * 2 : End Function"
WriteLine Twice(21)
ExecuteGlobal "Class Dyn : Public Name : End Class"
Dim o
Set o = New Dyn
o.Name = "dynamic class"
WriteLine o.Name & " " & TypeName(o)
' --- a table of operations through GetRef
Function Add(a, b) : Add = a + b : End Function
Function Subtract(a, b) : Subtract = a - b : End Function
Function Multiply(a, b) : Multiply = a * b : End Function
Dim ops, op
ops = Array("Add", "Subtract", "Multiply")
For Each op In ops
    Dim f
    Set f = GetRef(op)
    WriteLine op & " " & f(7, 3)
Next
' --- GetRef as a callback passed into a procedure
Function Map(arr, fn)
    Dim i, r()
    ReDim r(UBound(arr))
    For i = 0 To UBound(arr)
        r(i) = fn(arr(i))
    Next
    Map = r
End Function
Function Square(v) : Square = v * v : End Function
WriteLine Join(Map(Array(1, 2, 3), GetRef("Square")), ",")
Dim sayRef
Sub Say(t) : WriteLine "say " & t : End Sub
Set sayRef = GetRef("Say")
sayRef "hello"
Call sayRef("again")
WriteLine IsObject(sayRef)
' --- building expressions as strings
Dim expr, k
expr = ""
For k = 1 To 5
    If k > 1 Then expr = expr & " + "
    expr = expr & k & "^2"
Next
WriteLine expr & " = " & Eval(expr)
' --- errors inside the dynamic code reach the caller
On Error Resume Next
Eval "1 +"
WriteLine "syntax in Eval: " & Err.Number & " " & Err.Description
Err.Clear
Execute "y = 1 / 0"
WriteLine "runtime in Execute: " & Err.Number
Err.Clear
Set f = GetRef("NoSuchProcedure")
WriteLine "GetRef unknown: " & Err.Number & " " & Err.Description
Err.Clear
WriteLine Eval("undefinedName") = Empty
WriteLine "undeclared in Eval: " & Err.Number
