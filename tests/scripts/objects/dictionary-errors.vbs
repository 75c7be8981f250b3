' Scripting.Dictionary: the documented errors.
Dim d : Set d = CreateObject("Scripting.Dictionary")
d.Add "a", 1
On Error Resume Next

' --- Add of a key that is already there
d.Add "a", 2 : WriteLine (Caught) & " | " & d("a")
d.Add 1, "one"
d.Add 1.0, "again" : WriteLine Caught

Dim t, x
Set t = CreateObject("Scripting.Dictionary")
t.CompareMode = vbTextCompare
t.Add "a100", 1
t.Add "A100", 2 : WriteLine ErrNo & " " & t.Count

' --- Remove and Key of a missing key
d.Remove "nothere" : WriteLine Caught
d.Key("nothere") = "x" : WriteLine Caught

' --- Key renamed onto another element's key
d.Key("a") = 1 : WriteLine Caught & " | " & (d.Count & " " & d("a"))

' --- CompareMode cannot change once there are elements
d.CompareMode = vbTextCompare : WriteLine Caught & " | " & d.CompareMode

' --- CreateObject of an unknown class
Set x = CreateObject("Scripting.NoSuchThing") : WriteLine ErrNo

' --- CompareMode: negative is refused, any other number compares as text, and
' --- it may change again once RemoveAll has emptied the dictionary
t.RemoveAll
t.CompareMode = -1 : WriteLine ErrNo & " " & t.CompareMode
t.CompareMode = 2
t.Add "k", 1
WriteLine Err.Number & " " & t.CompareMode & " " & t.Exists("K")
t.RemoveAll
t.CompareMode = vbBinaryCompare
WriteLine Err.Number & " " & t.CompareMode
t.CompareMode = "text" : WriteLine ErrNo

' --- Key cannot be read; Add needs both arguments; an array is no key
WriteLine t.Key("k") : WriteLine ErrNo
t.Add "x" : WriteLine ErrNo
t.Add , 1 : WriteLine ErrNo & " " & t.Count
t.Add Array(1), 1 : WriteLine ErrNo & " " & t.Count

' --- Dictionary is no class of the language
Set x = New Dictionary : WriteLine ErrNo

' --- an unhandled error ends the script
On Error GoTo 0
WriteLine "before"
d.Remove "still not here"
WriteLine "not reached"
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
Function ErrNo() : ErrNo = Err.Number : Err.Clear : End Function
