' Limits: deep recursion and absurd sizes fail cleanly, and the engine goes on.
' --- recursion
Dim depth
Function Down(n)
    depth = n
    Down = Down(n + 1)
End Function
On Error Resume Next
Down 1
WriteLine Err.Number & " " & Err.Description
WriteLine depth > 100
Err.Clear
' --- absurd allocations
ReDim big(2000000000)
WriteLine Err.Number & " " & Err.Description
Err.Clear
Dim s
s = Space(100000000)
s = s & s & s
WriteLine Err.Number & " " & Err.Description
Err.Clear
' --- still usable
On Error GoTo 0
WriteLine Down2(3)
Function Down2(n)
    If n = 0 Then Down2 = "bottom" Else Down2 = Down2(n - 1)
End Function
' --- a long chain of objects is released without deep recursion
Class Link
    Public NextLink
End Class
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
