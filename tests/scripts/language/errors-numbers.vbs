Option Explicit
' Error numbers and texts scripts see in Err, under Option Explicit.
Dim v, q, o
Class Bare
    Public Field
End Class
Sub Show(label)
    WriteLine label & ": " & Err.Number & " " & Err.Description
    Err.Clear
End Sub
On Error Resume Next
' --- Err.Description carries no name or value
q = undefinedName : Show "undeclared"
q = CInt(Null) : Show "CInt(Null)"
Set o = New Bare
o.Missing : Show "missing member"
' --- Err.Raise keeps an unknown negative number
Err.Raise &H80080008& : WriteLine "raise: " & Err.Number : Err.Clear
' --- New
Set q = New NoSuchClass : Show "New undeclared"
Set q = New v : Show "New variable"
' --- Erase of an undeclared name
Erase noSuchArray : Show "Erase undeclared"
' --- With and member access need an object
q = .Prop : Show "dot outside With"
With 42
    Show "With 42"
End With
With "text" : End With : Show "With string"
With Empty : End With : Show "With Empty"
With Null : End With : Show "With Null"
With True : End With : Show "With True"
With Nothing
    Show "With Nothing entered"
    q = .Prop : Show "With Nothing member"
End With
Set v = Nothing
q = v.Prop : Show "Nothing.Prop"
v.Prop = 1 : Show "Nothing.Prop ="
Set v.Child = Nothing : Show "Set Nothing.Child"
q = Null Is Nothing : Show "Null Is Nothing"
' --- Eval, Execute, ExecuteGlobal and GetRef arguments
q = Eval("1 +") : WriteLine Err.Source : Show "Eval bad text"
Execute "If" : WriteLine Err.Source : Show "Execute bad text"
ExecuteGlobal "x = (" : WriteLine Err.Source : Show "ExecuteGlobal bad text"
WriteLine IsNull(Eval(Null)) & " " & IsEmpty(Eval(Empty)) & " " & Err.Number
Execute 5 : Show "Execute 5"
Execute Null : Show "Execute Null"
Execute Empty : Show "Execute Empty"
ExecuteGlobal 5 : Show "ExecuteGlobal 5"
ExecuteGlobal Null : Show "ExecuteGlobal Null"
ExecuteGlobal Empty : Show "ExecuteGlobal Empty"
Class Text
    Public Default Property Get Value()
        Value = "WriteLine ""from default"""
    End Property
End Class
Execute New Text : Show "Execute object"
ExecuteGlobal New Text : Show "ExecuteGlobal object"
q = Eval(o) : Show "Eval object without default"
Execute o : Show "Execute object without default"
q = GetRef(123) : Show "GetRef 123"
q = GetRef(Null) : Show "GetRef Null"
q = GetRef(Empty) : Show "GetRef Empty"
q = GetRef("") : Show "GetRef empty string"
