' s = s & a & b & c appends its pieces in place: 600 KB builds in well under a second.
Dim s, i
s = ""
For i = 1 To 100000 : s = s & "abc" & (i Mod 10) & "-" & vbTab : Next
WriteLine Len(s) & " " & Replace(Mid(s, 1, 12) & "|" & Mid(s, Len(s) - 11), vbTab, "_")
WriteLine InStr(s, "abc9-" & vbTab & "abc0") & " " & Replace(Mid(s, 300001, 6), vbTab, "_")

' Null stays Null only when every side is Null; Empty and numbers turn into text.
Dim t, e, n
t = Null: t = t & Null & Null
WriteLine IsNull(t)
t = Null: t = t & Null & "y" & Null
e = e & 1 & 2
n = 5: n = n & 6 & 7.5
WriteLine t & " " & e & " " & n & " " & TypeName(n)
' Each number subtype as text, on either side of &.
WriteLine CByte(7) & CInt(-32768) & "|" & -2147483647 - 1 & "|" & CSng(1.1) & "|" & CCur("-922337203685477.5808") & "|" & 1E+300 & "|" & 5E-324
WriteLine True & "|" & 0.0001 & "|" & 1 / 3 & "|" & DateSerial(2024, 2, 29) & "|" & 1.5 & CCur(2.25) & "|" & 1E+15 & "|" & 123456789012345

' A piece that names the target, or a call that changes it, sees the old value.
Dim u, g
u = "ab": u = u & "-" & u & "."
Function Bump() : g = g & "!" : Bump = "+" : End Function
g = "a": g = g & Bump() & "b"
WriteLine u & " " & g

' A failing piece leaves the target as it was.
Dim v, arr
arr = Array(1, 2)
v = "keep"
On Error Resume Next
v = v & "x" & arr & "y"
WriteLine Err.Number & " " & v
On Error GoTo 0

' Array elements, the function result and a class field as targets.
Function Build(count)
    Dim k
    For k = 1 To count : Build = Build & "<" & arr(k - 1) & ">" : Next
End Function
Class Buffer
    Public Text
    Public Sub Add(a, b) : Text = Text & a & "=" & b & ";" : End Sub
End Class
Dim buf : Set buf = New Buffer
buf.Add "x", 1
buf.Add "y", 2
WriteLine Build(2) & " " & buf.Text

' x = a & b into a target of each kind: a string another variable shares (and
' that is itself a piece), a number, an array, and an object, which the text
' replaces while another variable keeps it.
Dim p, q, w, z
p = "ab": q = p: p = q & "c"
w = 12: w = "w" & w
z = Array(1): z = "z" & "!"
Class Holder
    Public Value
End Class
Dim h, h2 : Set h = New Holder : Set h2 = h : h2.Value = "kept"
h = "h" & 1
WriteLine p & " " & q & " " & w & " " & z & " " & h & " " & TypeName(h2) & " " & h2.Value

' s = s & f(): s is read before the call. What the call does to s is lost,
' a variable sharing s's text keeps it, and a loop appends to s's own block.
Dim cs, ct, cu
Function Grow() : cs = cs & "!" : Grow = "b" : End Function
Function Swap() : cs = ct : Swap = "d" : End Function
Function Piece(n) : Piece = Chr(96 + n) : End Function
cs = "a" : cs = cs & Grow() : WriteLine cs
ct = "x" : cs = ct : cs = cs & Swap() : WriteLine cs & " " & ct
cs = "" : For cu = 1 To 5 : cs = cs & Piece(cu) : Next : ct = cs : cs = cs & Piece(6)
WriteLine cs & " " & ct & " " & (cs & Mid(cs, 2, 1))
' ... and with more pieces: s = s & f() & "," and s = s & "," & f(), Null among them.
Function Nada() : Nada = Null : End Function
cs = "a" : ct = cs : cs = cs & Grow() & "," : cs = cs & "," & Grow() : WriteLine cs & " " & ct
cs = Null : cs = cs & Nada() & Null : ct = "q" : ct = ct & Nada() & Null
WriteLine TypeName(cs) & " " & ct
cs = "" : For cu = 1 To 4 : cs = cs & Piece(cu) & "-" : cs = cs & "." & Piece(cu) : Next : WriteLine cs
' + of two strings (or Empty and a string) joins them, in place as & does;
' with a number it adds.
Dim ps, pt, pe : ps = "a" : pt = ps : For cu = 1 To 3 : ps = ps + "b" : Next : ps = ps + ps
pe = Empty : pe = pe + "x"
WriteLine ps & " " & pt & " " & pe & TypeName(pe) & " " & ("1" + 2) & " " & (1 + "2") & " " & ("1" + "2") & " " & IsNull(Null + "x")
' s = s + a + b adds piece by piece: joined when all are strings, numbers
' when a piece makes it one, an error where + fails.
ps = "a" : pt = ps : ps = ps + "b" + "c" : pe = Empty : pe = pe + "x" + "y"
WriteLine ps & " " & pt & " " & pe & TypeName(pe)
ps = "1" : ps = ps + 2 + "3" : pt = "1" : pt = pt + "2" + 3 : pe = Empty : pe = pe + Empty + Empty
WriteLine ps & TypeName(ps) & " " & pt & " " & pe & TypeName(pe)
On Error Resume Next
ps = "a" : ps = ps + "b" + Array(1) : WriteLine Err.Number & " " & ps : Err.Clear
On Error GoTo 0
' A function's own name with arguments is a call: g is read before it.
Dim gn
Function Nest(n)
    If n > 0 Then gn = gn & Nest(n - 1) & "|"
    Nest = "<" & n & ">"
    gn = gn & "#"
End Function
gn = "" : cs = Nest(2) : WriteLine gn
