' Let and Set: what a store replaces, default members on the value side,
' Property Let, arrays inside arrays, indexing what is not an array, and
' what cannot be assigned.
Class Celsius
    Private m_degrees
    Public Default Property Get Degrees() : Degrees = m_degrees : End Property
    Public Property Let Degrees(v) : m_degrees = v : End Property
End Class
Class Noisy
    Public Name
    Private Sub Class_Terminate() : WriteLine "terminate " & Name : End Sub
End Class
Class Plain : Public Tag : End Class
Function MakeNoisy(name) : Set MakeNoisy = New Noisy : MakeNoisy.Name = name : End Function
' --- Let reads the value's default member, and replaces an object held
Dim t, n
Set t = New Celsius
t.Degrees = 21
n = t
WriteLine n & " " & TypeName(n)
t = 5
WriteLine TypeName(t) & " " & t
Set t = MakeNoisy("var")
t = 6
WriteLine "after Let " & t
Dim arr(1)
Set arr(0) = MakeNoisy("element")
arr(0) = 7
WriteLine "after element Let " & arr(0)
' --- Set shares the object
Dim u, c
Set c = New Celsius
Set u = c
u.Degrees = 30
WriteLine c.Degrees & " " & (u Is c)
Set u = Nothing
WriteLine u Is Nothing
' --- a Property Let receives an object as the object
Class Holder
    Public Kind
    Public Property Let Item(v) : Kind = TypeName(v) : End Property
End Class
Dim h : Set h = New Holder
h.Item = c
WriteLine h.Kind
' --- arrays inside arrays are written in place
Dim outer(1)
outer(0) = Array(1, 2, 3)
outer(0)(1) = 5
Set outer(0)(2) = c
WriteLine outer(0)(0) & outer(0)(1) & " " & TypeName(outer(0)(2))
outer(1) = Array(0, Array(1, 2))
outer(1)(1)(0) = 9
WriteLine outer(1)(1)(0) & outer(1)(1)(1)
' --- Let, Set and Call keywords are optional where the language allows
Let n = 5
WriteLine n
Public pubVar
Private privVar
pubVar = "pub" : privVar = "priv"
WriteLine pubVar & privVar
Stop
' --- indexing what is not an array
On Error Resume Next
Dim line
Sub Try(label) : line = line & label & "=" & Err.Number & " " : Err.Clear : End Sub
Sub Flush() : WriteLine line : line = "" : End Sub
Set outer(1) = Nothing
outer(1)(0) = 5 : Try "Nothing"
outer(1) = 3
outer(1)(0) = 5 : Try "number"
outer(1) = Empty
outer(1)(0) = 5 : Try "Empty"
outer(1) = Null
outer(1)(0) = 5 : Try "Null"
Dim i, s, e, x
i = 1
i(0, 1) = 1 : Try "Integer(0, 1)"
Flush
x = i() : Try "number()"
s = "text"
x = s() : Try "string()"
x = e() : Try "Empty()"
x = arr() : Try "array()"
Flush
i : Try "number"
s : Try "string"
e : Try "Empty"
i = True
i : Try "Boolean"
Flush
Dim p : Set p = New Plain
p.Tag = 4
x = p.Tag(0) : Try "p.Tag(0)"
p.Tag(0) = 5 : Try "p.Tag(0) ="
x = p.Tag() : Try "p.Tag()"
p.Tag() = 7 : Try "p.Tag() = " & p.Tag
Flush
' --- what cannot be stored
x = p : WriteLine Caught
Set n = 1 : WriteLine Caught
n = Nothing : WriteLine Caught
Set p.Tag = "text" : WriteLine Caught
Sub SetLocal()
    Dim loc : Set loc = 5
End Sub
SetLocal
WriteLine Err.Number & " " & Err.Description
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
