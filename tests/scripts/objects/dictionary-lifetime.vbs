' Objects held by a dictionary terminate exactly when it lets the last
' reference go.
Class Token
    Public Name, Owner, Bag
    Private Sub Class_Terminate
        WriteLine "terminate " & Name
        If IsObject(Owner) Then Owner.Add "added by " & Name, Empty
    End Sub
End Class

Function Make(name) : Dim t : Set t = New Token : t.Name = name : Set Make = t : End Function

Dim d, key
Set d = CreateObject("Scripting.Dictionary")
d.Add "a", Make("a")
d.Add "b", Make("b")
d.Add "c", Make("c")
d.Add "d", Make("d")

' --- Remove, and values replaced by Set and by Let
WriteLine "remove a"
d.Remove "a"
WriteLine "set b"
Set d("b") = Make("b2")
WriteLine "let c"
d("c") = 1
WriteLine d.Count

' --- an object key is held as long as its element
Set key = Make("key")
d.Add key, "value"
Set key = Nothing
WriteLine "key released by the script" & " | " & d.Count

' --- RemoveAll releases in insertion order
WriteLine "remove all"
d.RemoveAll
WriteLine d.Count

' --- releasing the dictionary releases what it holds
d.Add "e", Make("e")
d.Add "f", Make("f")
' --- a value's Class_Terminate may change the dictionary that releases it
Dim r : Set r = CreateObject("Scripting.Dictionary")
r.Add "x", Make("x")
Set r("x").Owner = r
r.Remove "x"
Set r("y") = Make("y")
Set r("y").Owner = r
r("y") = 0
Set r("z") = Make("z")
Set r("z").Owner = r
r.RemoveAll
WriteLine Join(r.Keys, ",")

' --- For Each walks the keys as they were when it started
For Each key In r : r.Remove key : Next
r.Add "p", 1
r.Add "q", 2
For Each key In r
    Write key & " "
    r.Remove key
    r.Add key & key, 0
Next
WriteLine "/ " & Join(r.Keys, ",")

WriteLine "release the dictionary"
Set d = Nothing

' --- cycles through dictionaries are broken when the engine closes: the
' instances in them terminate then, and nothing leaks
Set d = CreateObject("Scripting.Dictionary")
Set d(1) = d
d.Add d, Array(d)
Set key = Make("in a cycle")
Set key.Bag = CreateObject("Scripting.Dictionary")
key.Bag.Add "owner", key
Set d = Nothing
Set key = Nothing
WriteLine "end"
