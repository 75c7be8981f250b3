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

' s = s & piece appends in place, but s is read before a piece that runs code.
Dim s, t, u
Function Changes()
    s = "changed"
    Changes = "+ret"
End Function
s = "old"
s = s & Changes()
WriteLine "append " & s
s = "ab": t = s: s = s & "c"
WriteLine "append " & s & " " & t
u = Empty: u = u & Null
WriteLine "append " & TypeName(u) & " [" & u & "]"
s = "x": s = s & Null: s = s & True: s = s & CByte(7): s = s & s
WriteLine "append " & s
Sub Bang(ByRef v)
    v = v & "!"
End Sub
s = "hey": Bang s
WriteLine "append " & s
Class Buf
    Public Text
    Sub Add(p)
        Text = Text & p
    End Sub
End Class
Set b = New Buf: b.Add "a": b.Add 2
WriteLine "append " & b.Text & " " & TypeName(b.Text)
u = Null: u = u & Null
WriteLine "append " & IsNull(u)
u = 5: u = u & 6
WriteLine "append " & u & " " & TypeName(u)
' x = a & b reuses x's own string when nothing else holds it.
Dim w, w2
w = "abcdef" & "gh"
w2 = w
w = "x" & 1
WriteLine "concat " & w & " " & w2
w = "a much longer text" & "!"
w = "ab" & 12
WriteLine "concat " & w & " " & Len(w)
w = "q" & w
WriteLine "concat " & w
w = "a" & Null
WriteLine "concat " & w
w = Empty & 5
WriteLine "concat " & w & " " & TypeName(w)
w = True & 1.5
WriteLine "concat " & w
w = "d" & CDate(0)
WriteLine "concat " & (Len(w) > 1)
' Is in a condition jumps as a comparison does
Class Cell : Public Tail : End Class
Dim ca, cb, cc, ck
Set ca = New Cell : Set cb = New Cell : Set ca.Tail = cb : Set cb.Tail = Nothing
Set cc = ca : ck = 0
Do Until cc Is Nothing : ck = ck + 1 : Set cc = cc.Tail : Loop
WriteLine "is " & ck & " " & (ca Is cb) & " " & (ca.Tail Is cb)
If ca Is cb Then WriteLine "is same" Else WriteLine "is different"
If Not (cb.Tail Is Nothing) Then WriteLine "is more" Else WriteLine "is end"
On Error Resume Next
If 1 Is Nothing Then WriteLine "is then ran " & Err.Number Else WriteLine "is else ran"
On Error GoTo 0
