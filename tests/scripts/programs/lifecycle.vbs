' When Class_Terminate runs around With and owned objects; default members,
' Property Let/Get/Set and nested With.
Class Tracer
    Public Name
    Private Sub Class_Initialize() : Name = "unnamed" : WriteLine "init" : End Sub
    Private Sub Class_Terminate() : WriteLine "terminate " & Name : End Sub
End Class

Function MakeTracer(n) : Dim t : Set t = New Tracer : t.Name = n : Set MakeTracer = t : End Function

WriteLine "-- With holds a reference until End With"
With MakeTracer("with") : WriteLine "using " & .Name : End With
WriteLine "after with"

' --- default property and Property Let/Get/Set
Class Temperature
    Private m_c
    Private m_unit
    Public Default Property Get Celsius() : Celsius = m_c : End Property
    Public Property Let Celsius(v) : m_c = v : End Property
    Public Property Set Unit(o) : Set m_unit = o : End Property
    Public Property Get Unit() : Set Unit = m_unit : End Property
End Class
Dim t : Set t = New Temperature
t.Celsius = 37
WriteLine t & " " & (t + 1) & " " & t.Celsius & " " & TypeName(t)
Set t.Unit = MakeTracer("unit")
WriteLine t.Unit.Name
On Error Resume Next
Dim nd : Set nd = New Tracer
WriteLine "no default: " & (nd & "") : WriteLine "error " & ErrNo
On Error GoTo 0
Set nd = Nothing

' --- nested With and Me
Class Node
    Public Value, NextNode
    Public Function Chain(v)
        Set NextNode = New Node
        NextNode.Value = v
        Set Chain = NextNode
    End Function
    Public Function Describe() : Describe = "node " & Me.Value : End Function
End Class
Dim head : Set head = New Node
head.Value = 1
head.Chain(2).Chain(3)
With head
    .Value = "one"
    With .NextNode : WriteLine .Describe() & " then " & .NextNode.Describe() : End With
    WriteLine .Describe()
End With
' --- an owner terminates before the objects it holds; its fields are still usable
Class Part
    Public Name
    Private Sub Class_Initialize() : WriteLine "init part" : End Sub
    Private Sub Class_Terminate() : WriteLine "terminate part " & Name : End Sub
End Class
Class Whole
    Public P
    Private Sub Class_Initialize()
        WriteLine "init whole"
        Set P = New Part
        P.Name = "inner"
    End Sub
    Private Sub Class_Terminate() : WriteLine "terminate whole, part still " & P.Name : End Sub
End Class
Dim w : Set w = New Whole
Set w = Nothing
Set t = Nothing
WriteLine "-- end of script"
Function ErrNo() : ErrNo = Err.Number : Err.Clear : End Function
