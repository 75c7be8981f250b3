' With blocks and For Each over arrays and collections.
' --- With evaluates its object once, nests, and reaches members
Class Point : Public X, Y : Public Function Sum() : Sum = X + Y : End Function : End Class
Dim made
Function NewPoint() : made = made + 1 : Set NewPoint = New Point : End Function
With NewPoint()
    .X = 3
    .Y = 4
    WriteLine .Sum() & " " & made
    Dim p2 : Set p2 = New Point
    With p2 : .X = 10 : .Y = .X * 2 : End With
    WriteLine .X & " " & p2.Sum
End With
WriteLine made
' --- For Each over arrays, nested, with Exit For
Dim item, acc
For Each item In Array(1, 2, 3, 4)
    If item = 4 Then Exit For
    acc = acc + item
Next
WriteLine acc
Dim grid(1, 1), cell
grid(0, 0) = "a" : grid(1, 0) = "b" : grid(0, 1) = "c" : grid(1, 1) = "d"
acc = ""
For Each cell In grid : acc = acc & cell : Next
WriteLine acc
' --- For Each over a collection object
Dim d, k
Set d = CreateObject("Scripting.Dictionary")
d.Add "one", 1
d.Add "two", 2
acc = ""
For Each k In d : acc = acc & k & "=" & d(k) & ";" : Next
WriteLine acc
For Each k In d.Items : acc = k : Next
WriteLine acc
Dim none()
ReDim none(-1)
For Each item In none : WriteLine "never" : Next
WriteLine "empty ok"
' --- errors
On Error Resume Next
For Each item In 42 : WriteLine "never" : Next
WriteLine Caught
For Each item In New Point
Next
WriteLine Caught
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
