' Comparisons that branch, integer division and Mod on Integer and Long, and
' stores that replace a value or read an object's default member.
Dim i, n, b
n = 0
For i = 1 To 10
    If i < 5 Then n = n + 1
    If i >= 5.5 Then n = n + 100
    If 40000 > i Then n = n + 1000
Next
WriteLine n
If "10" < "9" Then WriteLine "text order" Else WriteLine "numeric order"
If Empty = 0 Then WriteLine "empty is zero"
b = 3 < 4
WriteLine TypeName(b) & " " & b
b = 2.5 > 3
WriteLine TypeName(b) & " " & b
i = 0
Do While i < 3 : i = i + 1 : Loop
Do Until i <= 0 : i = i - 1 : Loop
WriteLine i
' --- \ and Mod: the sign follows the dividend, the type the operands
WriteLine TypeName(7 Mod 3) & " " & (7 Mod 3) & " " & (-7 Mod 3) & " " & (7 Mod -3)
WriteLine TypeName(100000 Mod 7) & " " & (100000 Mod 7) & " " & TypeName(-7 \ 2) & " " & (-7 \ 2)
WriteLine TypeName(CInt(-32768) \ -1) & " " & (CInt(-32768) \ -1)
WriteLine TypeName(7.5 Mod 2) & " " & (7.5 Mod 2) & " " & ("17" Mod 5)
On Error Resume Next
i = CLng(-2147483647 - 1) \ -1 : WriteLine "overflow: " & ErrNo
i = 5 Mod 0
WriteLine "by zero: " & Err.Number
On Error GoTo 0
' --- a store replaces the value; a Let of an object reads its default member
Class Box
    Public Default Property Get Value() : Value = 42 : End Property
End Class
Dim g, bx
g = "text"
g = 5
WriteLine TypeName(g)
Set bx = New Box
g = bx
WriteLine TypeName(g) & " " & g
Sub LocalStores() : Dim v : v = "text" : v = bx : WriteLine TypeName(v) & " " & v : End Sub
LocalStores
Function ErrNo() : ErrNo = Err.Number : Err.Clear : End Function
' --- a local beside an Integer literal: every kind of value it may hold
Function Probe(v, w)
    Dim s
    s = TypeName(v + 1) & " " & (v + 1) & " " & TypeName(v - 1) & " " & (v - 1)
    If v < 1 Then s = s & " <1" Else s = s & " >=1"
    If v = 10 Then s = s & " =10"
    Select Case v
        Case 1 : s = s & " case1"
        Case 10, 32767 : s = s & " case10"
        Case Else : s = s & " else"
    End Select
    w = v >= 10
    s = s & " " & TypeName(w) & " " & w & " |"
    s = s & " " & TypeName(v \ 3) & " " & (v \ 3) & " " & (v Mod 3)
    Probe = s & " " & TypeName(v + 40000) & " " & (v + 40000) & " " & TypeName(v Mod 40000) & " " & (v Mod 40000)
End Function
Dim k, r
For Each k In Array(0, 1, 10, 32767, -32768, 2147483647, 1.5, "10", Empty, True)
    WriteLine Probe(k, r)
Next
k = 10 : WriteLine Probe(k, r) ' a ByRef parameter holds a reference
Function NullProbe(v)
    If v < 1 Then NullProbe = "less" Else NullProbe = "not less"
    NullProbe = NullProbe & " " & IsNull(v + 1) & " " & IsNull(v = 1)
End Function
WriteLine NullProbe(Null)
Function Mismatch(v)
    On Error Resume Next
    Mismatch = v - 1
    Mismatch = Err.Number & " " & Mismatch
End Function
WriteLine Mismatch("abc")
Function Temps(a)
    Temps = ((a * 2) + 1 > 5) & " " & ((a * 2) - 1)
End Function
WriteLine Temps(3)
' script-level variables beside a literal
Dim gi, gs : gs = ""
For gi = 1 To 7
    If gi Mod 3 = 0 Then gs = gs & (gi \ 3) & TypeName(gi \ 3) & (gi Mod 40000)
Next
WriteLine gs
' --- Doubles with Integers and Longs: Double results, overflow and / by zero
Dim dd, big, cnt : dd = 0.5 : big = 1E+308 : cnt = 40000
WriteLine TypeName(cnt * dd) & " " & (cnt * dd) & " " & (dd - cnt) & " " & (cnt / 16) & " " & TypeName(i / 1)
WriteLine (cnt > dd) & (dd < cnt) & (cnt = 40000.0) & (dd >= 0.5) & (dd <> 0.5)
If dd < cnt Then WriteLine "branch taken"
On Error Resume Next
b = big * cnt : WriteLine Err.Number : Err.Clear
b = big + big : WriteLine Err.Number : Err.Clear
b = cnt / 0 : WriteLine Err.Number : Err.Clear
b = dd / (cnt - cnt) : WriteLine Err.Number : Err.Clear
b = 0 / (dd - dd) : WriteLine Err.Number : Err.Clear
On Error GoTo 0
