' Operands are read in order: a variable left of a call keeps its value.
Dim a, x, g
a = 1
Function Bump()
    a = 10
    Bump = 1
End Function
x = a + Bump()
WriteLine "order " & x & " " & (Bump() + a)
' Script-level results and counters written in place.
g = 0
For a = 10 To 1 Step -3
    g = g * 10 + a
Next
WriteLine "down " & g & " " & a
For a = 1 To 2 Step 0.5
    g = a
Next
WriteLine "half " & g & " " & a & " " & TypeName(a)
For a = 1 To 5
    a = a + 1
Next
WriteLine "skip " & a
x = 32767
x = x + 1
WriteLine "promote " & TypeName(x) & " " & x
x = 2147483647
x = x + 1
WriteLine "promote " & TypeName(x) & " " & x
' Conditions: Null is False, strings against literals, a failing
' operator leaves its variable.
If Null = 1 Then WriteLine "wrong" Else WriteLine "null false"
x = "10"
If x > 9 Then WriteLine "numeric literal"
If x < "9" Then WriteLine "text literal"
On Error Resume Next
x = 5
x = x + "abc"
WriteLine "kept " & x & " " & Err.Number
On Error GoTo 0
' Let of an object stores its default value; Set keeps the object.
Class Box
    Public Default Property Get Value
        Value = 42
    End Property
End Class
Dim b, y
Set b = New Box
y = b
WriteLine "default " & y & " " & TypeName(y)
Sub Local()
    Dim p, q, i
    Set p = New Box
    q = p
    For i = 1 To 3
        q = q + i
    Next
    WriteLine "local " & q & " " & i
End Sub
Local
