' Members of class instances: fields read and written in place, methods
' and Property Get run in the caller's loop; the rest as before.
On Error GoTo 0
Class Member
    Public V
    Private Hidden
    Public Sub Class_Initialize() : V = 1 : End Sub
    Private Sub Class_Terminate() : WriteLine "bye " & V : End Sub
    Public Function Twice(n) : Twice = n * 2 + V : End Function
    Public Sub Nothing1() : V = V + 1 : End Sub
    Public Property Get Item(i) : Item = i & V : End Property
    Public Function Fail() : Fail = 1 / 0 : End Function
    Public Function SelfDrop() : Set g = Nothing : SelfDrop = V : End Function
    Public Function CallsMe() : CallsMe = Me.Twice(1) + Twice(2) + Me.Hidden2() : End Function
    Private Function Hidden2() : Hidden2 = 100 : End Function
    Public Sub Touch() : Hidden = 5 : Me.V = Hidden : End Sub
End Class
Dim g, r
Set g = New Member
WriteLine g.Twice(3) & " " & g.Item(7)
r = g.Nothing1()
WriteLine "sub in expr [" & r & "] " & g.V
On Error Resume Next
r = g.Hidden : WriteLine "private " & ErrNo
r = g.Hidden2() : WriteLine "private method " & ErrNo
r = g.Twice(1, 2) : WriteLine "argc " & ErrNo
r = g.Fail() : WriteLine "fail " & Caught
r = g.Missing : WriteLine "missing " & ErrNo
r = g.V() : WriteLine "field () " & ErrNo
On Error GoTo 0
WriteLine "me " & g.CallsMe()
g.Touch
WriteLine "touch " & g.V
Set g.V = New Member
WriteLine "field obj " & TypeName(g.V)
Set g.V = Nothing
WriteLine "set field " & TypeName(g.V)
g.V = 9
WriteLine ("drop " & g.SelfDrop()) & " | " & ("after drop " & TypeName(g))

' Property Let and Set run in the caller's loop too.
On Error GoTo 0
Class Prop
    Private mX, mO
    Public Property Let X(v) : mX = v * 2 : End Property
    Public Property Get X() : X = mX : End Property
    Public Property Set O(v) : Set mO = v : End Property
    Public Property Get O() : Set O = mO : End Property
    Public Property Let Cell(i, v) : mX = i & ":" & v : End Property
    Private Property Let Secret(v) : mX = v : End Property
    Public Property Let Bad(v) : mX = 1 / 0 : End Property
    Public Sub SetSecret(v) : Secret = v : Me.Secret = v + 1 : End Sub
End Class
Dim p, q
Set p = New Prop
p.X = 21
WriteLine p.X
Set p.O = p
WriteLine TypeName(p.O)
Set p.O = Nothing
p.Cell(3) = "c"
WriteLine p.X
p.SetSecret 5
WriteLine p.X
On Error Resume Next
p.Secret = 1 : WriteLine "private " & ErrNo
p.O = 5 : WriteLine "no let " & ErrNo
Set p.X = p : WriteLine "no set " & ErrNo
p.Bad = 1 : WriteLine "bad " & ErrNo
p.Cell = 1 : WriteLine "argc " & ErrNo
Set q = New Prop
p.X = q : WriteLine "obj let " & ErrNo

' A class's own variables are operands and results in place.
Class Counter
    Public N, Label
    Private Sub Class_Initialize() : N = 0 : Label = "n" : End Sub
    Public Sub Add(k) : N = N + k : Label = Label & k : End Sub
    Public Function Report() : Report = Label & "=" & N * 2 : End Function
End Class
Dim cn : Set cn = New Counter
cn.Add 1 : cn.Add 2
WriteLine cn.Report() & " " & TypeName(cn.N)
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
Function ErrNo() : ErrNo = Err.Number : Err.Clear : End Function

' o.Name of an object in a local: a field is read at once; anything else
' (a Property Get, a method, a host object, Nothing, a private field) as a call.
On Error GoTo 0
Class Rec
    Public Item, Nxt
    Private Hidden
    Public Property Get Twice() : Twice = Item * 2 : End Property
    Public Function Peek(o) : On Error Resume Next : Peek = "-" : Peek = o.Hidden : Peek = Peek & " e" & ErrNo : End Function
End Class
Function ReadAll(o)
    On Error Resume Next
    Dim s : s = o.Item : s = s & " " & o.Twice & " " & TypeName(o.Nxt)
    s = s & " " & o.Hidden : ReadAll = s & " e" & ErrNo
End Function
Dim r1 : Set r1 = New Rec : r1.Item = 4 : Set r1.Nxt = New Rec
WriteLine ReadAll(r1) & " | " & r1.Peek(r1) & " | " & r1.Peek(r1.Nxt)
Function CountOf(o) : On Error Resume Next : CountOf = "-" : CountOf = o.Count : CountOf = CountOf & " e" & ErrNo : End Function
Dim dc : Set dc = CreateObject("Scripting.Dictionary") : dc.Add 1, 1
WriteLine CountOf(dc) & " | " & CountOf(Nothing) & " | " & CountOf(r1)
' --- one site over classes where the name is a public field, a property or private
Class FieldA : Public V : Sub Class_Initialize : V = 1 : End Sub : End Class
Class FieldB : Private V : Sub Class_Initialize : V = 3 : End Sub : End Class
Class FieldC
    Public Property Get V : V = 5 : End Property
    Public Property Let V(x) : WriteLine "let " & x : End Property
End Class
Dim poly, one, seen : poly = Array(New FieldA, New FieldC, New FieldA, New FieldB)
On Error Resume Next
For Each one In poly
    seen = "" : seen = one.V : one.V = 7
    WriteLine TypeName(one) & " " & seen & " " & ErrNo
Next
On Error GoTo 0
WriteLine poly(0).V & poly(2).V
