' Scripting.Dictionary: the documented errors.
Dim d
Set d = CreateObject("Scripting.Dictionary")
d.Add "a", 1
On Error Resume Next

' --- Add of a key that is already there
d.Add "a", 2
WriteLine Err.Number & " " & Err.Description
WriteLine d("a")
Err.Clear
d.Add 1, "one"
d.Add 1.0, "again"
WriteLine Err.Number & " " & Err.Description
Err.Clear

Dim t, x
Set t = CreateObject("Scripting.Dictionary")
t.CompareMode = vbTextCompare
t.Add "a100", 1
t.Add "A100", 2
WriteLine Err.Number & " " & t.Count
Err.Clear

' --- Remove and Key of a missing key
d.Remove "nothere"
WriteLine Err.Number & " " & Err.Description
Err.Clear
d.Key("nothere") = "x"
WriteLine Err.Number & " " & Err.Description
Err.Clear

' --- Key renamed onto another element's key
d.Key("a") = 1
WriteLine Err.Number & " " & Err.Description
Err.Clear
WriteLine d.Count & " " & d("a")

' --- CompareMode cannot change once there are elements
d.CompareMode = vbTextCompare
WriteLine Err.Number & " " & Err.Description
Err.Clear
WriteLine d.CompareMode

' --- CreateObject of an unknown class
Set x = CreateObject("Scripting.NoSuchThing")
WriteLine Err.Number
Err.Clear

' --- CompareMode: negative is refused, any other number compares as text, and
' --- it may change again once RemoveAll has emptied the dictionary
t.RemoveAll
t.CompareMode = -1
WriteLine Err.Number & " " & t.CompareMode
Err.Clear
t.CompareMode = 2
t.Add "k", 1
WriteLine Err.Number & " " & t.CompareMode & " " & t.Exists("K")
t.RemoveAll
t.CompareMode = vbBinaryCompare
WriteLine Err.Number & " " & t.CompareMode
t.CompareMode = "text"
WriteLine Err.Number
Err.Clear

' --- Key cannot be read; Add needs both arguments; an array is no key
WriteLine t.Key("k")
WriteLine Err.Number
Err.Clear
t.Add "x"
WriteLine Err.Number
Err.Clear
t.Add , 1
WriteLine Err.Number & " " & t.Count
Err.Clear
t.Add Array(1), 1
WriteLine Err.Number & " " & t.Count
Err.Clear

' --- Dictionary is no class of the language
Set x = New Dictionary
WriteLine Err.Number
Err.Clear

' --- an unhandled error ends the script
On Error GoTo 0
WriteLine "before"
d.Remove "still not here"
WriteLine "not reached"
