Option Explicit
' Error numbers and texts scripts see in Err, under Option Explicit. Each
' line lists label=number for a group of statements.
Dim v, q, o, line
Class Bare : Public Field : End Class
Class Text
    Public Default Property Get Value() : Value = "line = line & ""(ran) """ : End Property
End Class
Sub Note(label) : line = line & label & "=" & Err.Number & " " : Err.Clear : End Sub
Sub Flush() : WriteLine line : line = "" : End Sub
On Error Resume Next
' --- Err.Description carries no name or value; the report does
q = undefinedName : WriteLine Err.Description
q = CInt(Null) : WriteLine Err.Description
Set o = New Bare
o.Missing : WriteLine Err.Description
' --- Err.Raise keeps an unknown negative number
Err.Raise &H80080008& : Note "raise"
' --- New, Erase and member access without an object
Set q = New NoSuchClass : Note "New undeclared"
Set q = New v : Note "New variable"
Erase noSuchArray : Note "Erase undeclared"
q = .Prop : Note "dot outside With"
Flush
With 42 : Note "42" : End With
With "text" : End With : Note "string"
With Empty : End With : Note "Empty"
With Null : End With : Note "Null"
With True : End With : Note "True"
With Nothing : Note "Nothing" : q = .Prop : Note "member" : End With
Flush
Set v = Nothing
q = v.Prop : Note "v.Prop"
v.Prop = 1 : Note "v.Prop ="
Set v.Child = Nothing : Note "Set v.Child"
q = Null Is Nothing : Note "Null Is"
Flush
' --- Eval, Execute and ExecuteGlobal of text that does not parse
q = Eval("1 +") : WriteLine Err.Number & " " & Err.Description & " / " & Err.Source : Err.Clear
Execute "If" : Note "Execute"
ExecuteGlobal "x = (" : Note "ExecuteGlobal"
Flush
' --- their arguments
WriteLine IsNull(Eval(Null)) & " " & IsEmpty(Eval(Empty)) & " " & Err.Number
Execute 5 : Note "5"
Execute Null : Note "Null"
Execute Empty : Note "Empty"
ExecuteGlobal 5 : Note "G 5"
ExecuteGlobal Null : Note "G Null"
ExecuteGlobal Empty : Note "G Empty"
Flush
Execute New Text : Note "object"
ExecuteGlobal New Text : Note "G object"
q = Eval(o) : Note "no default"
Execute o : Note "no default"
Flush
q = GetRef(123) : Note "123"
q = GetRef(Null) : Note "Null"
q = GetRef(Empty) : Note "Empty"
q = GetRef("") : Note """"""
Flush
' --- ReDim declares the name, at script level and in a procedure
ReDim grown(2) : Note "ReDim" : ReDim Preserve grown(4) : Note "Preserve"
Sub Local() : ReDim inner(1) : inner(1) = UBound(grown) : line = line & inner(1) & " " : End Sub
Local : Note "local"
Flush
