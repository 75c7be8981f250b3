' Eval, Execute, ExecuteGlobal and GetRef in a program: code built and called at
' run time, with an event bus whose handlers are procedure references kept in a
' Dictionary (the scoping rules are in language/scope.vbs).
Execute "Dim y" & vbCrLf & "y = ""from execute""" & vbCrLf & "WriteLine y"
' --- ExecuteGlobal from a procedure declares at script level, also classes
Sub MakeGlobal() : ExecuteGlobal "Dim madeGlobal : madeGlobal = ""global""" : End Sub
MakeGlobal
WriteLine madeGlobal
ExecuteGlobal "Class Dyn : Public Name : End Class"
Dim o : Set o = New Dyn
o.Name = "dynamic class"
WriteLine o.Name & " " & TypeName(o)
' --- an event bus: handler lists grow with ReDim Preserve inside a text-compare Dictionary
Class EventBus
    Private m_handlers
    Private Sub Class_Initialize()
        Set m_handlers = CreateObject("Scripting.Dictionary")
        m_handlers.CompareMode = vbTextCompare
    End Sub
    Public Sub Subscribe(eventName, handlerName)
        Dim list
        If m_handlers.Exists(eventName) Then list = m_handlers(eventName) Else list = Array()
        ReDim Preserve list(UBound(list) + 1)
        Set list(UBound(list)) = GetRef(handlerName)
        m_handlers(eventName) = list
    End Sub
    Public Function Publish(eventName, payload)
        Dim h, n
        n = 0
        If m_handlers.Exists(eventName) Then
            For Each h In m_handlers(eventName) : h eventName, payload : n = n + 1 : Next
        End If
        Publish = n
    End Function
End Class
Dim log
Sub LogHandler(name, payload) : log = log & name & "(" & payload & ") " : End Sub
Sub EchoHandler(name, payload) : WriteLine "echo " & LCase(name) & ": " & payload : End Sub
Dim bus : Set bus = New EventBus
bus.Subscribe "Saved", "LogHandler"
bus.Subscribe "saved", "EchoHandler"
bus.Subscribe "Closed", "LogHandler"
WriteLine bus.Publish("SAVED", "a.txt") & " " & bus.Publish("Closed", 42) & " " & bus.Publish("Opened", "") & " handlers"
WriteLine Trim(log)

' --- errors inside the dynamic code reach the caller
On Error Resume Next
Execute "y = 1 / 0" : WriteLine "runtime in Execute: " & ErrNo
WriteLine (Eval("undefinedName") = Empty) & " | " & ("undeclared in Eval: " & Err.Number)
Function ErrNo() : ErrNo = Err.Number : Err.Clear : End Function
