' Let and Set: default members on both sides, Nothing, script-level
' Public and Private, and what cannot be assigned.
Class Celsius
    Private m_degrees
    Public Default Property Get Degrees()
        Degrees = m_degrees
    End Property
    Public Property Let Degrees(v)
        m_degrees = v
    End Property
End Class
Class Plain
    Public Tag
End Class
' --- Let reads and writes the default member of an object
Dim t, n
Set t = New Celsius
t = 21
n = t
WriteLine n & " " & TypeName(n) & " " & TypeName(t)
t.Degrees = t + 1
WriteLine t
' --- Set shares the object
Dim u
Set u = t
u = 30
WriteLine t.Degrees
WriteLine (u Is t) & " " & (u Is Nothing)
Set u = Nothing
WriteLine u Is Nothing
' --- Let, Set and Call keywords are optional where the language allows
Let n = 5
WriteLine n
Public pubVar
Private privVar
pubVar = "pub" : privVar = "priv"
WriteLine pubVar & privVar
Stop
' --- errors
On Error Resume Next
Dim p
Set p = New Plain
n = p
WriteLine Err.Number & " " & Err.Description
Err.Clear
p = 1
WriteLine Err.Number & " " & Err.Description
Err.Clear
Set n = 1
WriteLine Err.Number & " " & Err.Description
Err.Clear
n = Nothing
WriteLine Err.Number & " " & Err.Description
Err.Clear
Set p.Tag = "text"
WriteLine Err.Number & " " & Err.Description
Err.Clear
Sub SetLocal()
    Dim loc
    Set loc = 5
End Sub
SetLocal
WriteLine Err.Number & " " & Err.Description
