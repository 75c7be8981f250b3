' An event bus with GetRef handlers kept in a Dictionary, and a vending machine
' state machine driven by a list of events.
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
            For Each h In m_handlers(eventName)
                h eventName, payload
                n = n + 1
            Next
        End If
        Publish = n
    End Function
End Class

Dim log
log = ""
Sub LogHandler(name, payload)
    log = log & name & "(" & payload & ") "
End Sub
Sub EchoHandler(name, payload)
    WriteLine "echo " & LCase(name) & ": " & payload
End Sub

Dim bus
Set bus = New EventBus
bus.Subscribe "Saved", "LogHandler"
bus.Subscribe "saved", "EchoHandler"
bus.Subscribe "Closed", "LogHandler"
WriteLine bus.Publish("SAVED", "a.txt") & " handlers"
WriteLine bus.Publish("Closed", 42) & " handlers"
WriteLine bus.Publish("Opened", "") & " handlers"
WriteLine Trim(log)
On Error Resume Next
bus.Subscribe "x", "NotAProcedure"
WriteLine "unknown handler: " & Err.Number
On Error GoTo 0

' --- the vending machine
Const PRICE = 125
Dim state, credit, events, ev, kind, amount
state = "idle": credit = 0
events = Array("coin:25", "select", "coin:100", "coin:50", "select", "coin:10", "refund", "kick", "coin:125", "select")
For Each ev In events
    If InStr(ev, ":") > 0 Then
        kind = Left(ev, InStr(ev, ":") - 1)
        amount = CInt(Mid(ev, InStr(ev, ":") + 1))
    Else
        kind = ev
        amount = 0
    End If
    Select Case state & "/" & kind
        Case "idle/coin", "paying/coin"
            credit = credit + amount
            state = "paying"
            WriteLine "credit " & credit
        Case "paying/select"
            If credit >= PRICE Then
                WriteLine "vend, change " & (credit - PRICE)
                credit = 0
                state = "idle"
            Else
                WriteLine "need " & (PRICE - credit) & " more"
            End If
        Case "paying/refund"
            WriteLine "refund " & credit
            credit = 0
            state = "idle"
        Case "idle/select", "idle/refund"
            WriteLine "insert coins first"
        Case Else
            WriteLine "ignored " & kind & " while " & state
    End Select
Next
WriteLine "final state " & state & ", credit " & credit
