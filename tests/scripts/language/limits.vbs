' Limits: deep recursion and absurd sizes fail cleanly, and the engine goes on.
' --- recursion
Dim depth
Function Down(n) : depth = n : Down = Down(n + 1) : End Function
On Error Resume Next
Down 1 : WriteLine (Caught) & " | " & (depth > 100)
' --- recursion from Class_Initialize, and Execute running its own text
Class Grow : Public Child : Sub Class_Initialize() : Set Child = New Grow : End Sub : End Class
Dim grown, selfText
Set grown = New Grow : WriteLine ErrNo & " " & IsEmpty(grown)
selfText = "Execute selfText"
Execute selfText : WriteLine ErrNo
' --- nesting 100,000 deep in the source is a compilation error
Function Nest(open, middle, close)
    Nest = Replace(Space(100000), " ", open) & middle & Replace(Space(100000), " ", close)
End Function
Function IsCompileError() : IsCompileError = Err.Number > 1000 And Err.Number < 1100 : Err.Clear : End Function
Execute "x = " & Nest("(", "1", ")") : WriteLine IsCompileError
Execute "x = " & Nest("Array(", "", ")") : WriteLine IsCompileError
Execute "x = " & String(100000, "-") & "1" : WriteLine IsCompileError
Execute Nest("If True Then" & vbLf, "x = 1", vbLf & "End If") : WriteLine IsCompileError
Execute Nest("Do" & vbLf, "", vbLf & "Loop") : WriteLine IsCompileError
' --- absurd allocations
ReDim big(2000000000) : WriteLine Caught
Dim dims : dims = Replace(Space(59), " ", "0, ")
Execute "ReDim many(" & dims & "1)" : WriteLine ErrNo & " " & UBound(many, 60)
Execute "ReDim Preserve many(" & dims & "0, 0)" : WriteLine ErrNo
Execute "ReDim many(" & dims & "0, 0)" : WriteLine ErrNo & " " & UBound(many, 60)
Dim s : s = Space(100000000)
s = s & s & s : WriteLine Caught
' --- still usable
On Error GoTo 0
WriteLine Down2(3)
Function Down2(n)
    If n = 0 Then Down2 = "bottom" Else Down2 = Down2(n - 1)
End Function
' --- a long chain of objects is released without deep recursion
Class Link : Public NextLink : End Class
Dim head, node, k
Set head = Nothing
For k = 1 To 200000
    Set node = New Link
    Set node.NextLink = head
    Set head = node
Next
Set node = Nothing
Set head = Nothing
WriteLine "chain released"
' --- arrays, dictionaries and instances nested 300,000 deep are freed
' without exhausting the stack
Dim deep, dict
For i = 1 To 300000 : deep = Array(deep) : Next
deep = 0
Set deep = Nothing
For i = 1 To 300000
    Set dict = CreateObject("Scripting.Dictionary")
    dict.Add "next", Array(deep)
    Set deep = New Link
    Set deep.NextLink = dict
Next
Set dict = Nothing
Set deep = Nothing
WriteLine "nested containers released"
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
Function ErrNo() : ErrNo = Err.Number : Err.Clear : End Function
