' Scripting.Dictionary: every member, in order of use.
Option Explicit
Dim d, k, i, keys, items

' --- Add, Count, Item, Exists
Set d = CreateObject("Scripting.Dictionary")
WriteLine TypeName(d) & " | " & d.Count
d.Add "a", "Athens"
d.Add "b", "Belgrade"
d.Add "c", "Cairo"
WriteLine d.Count & " | " & d.Item("b") & " | " & d("c") & " | " & (d.Exists("a") & " " & d.Exists("z"))
WriteLine d.Count

' --- reading a missing key adds it with Empty
WriteLine IsEmpty(d("z")) & " | " & (d.Count & " " & d.Exists("z"))

' --- Item let and set
d("a") = "Amsterdam"
d.Item("n") = 5
WriteLine d("a") & " " & d("n") & " " & TypeName(d("n"))
Dim inner : Set inner = CreateObject("Scripting.Dictionary")
inner.Add "x", 42
Set d("obj") = inner
WriteLine TypeName(d("obj")) & " " & d.Item("obj").Item("x")

' --- Keys and Items are arrays in insertion order
keys = d.Keys
items = d.Items
WriteLine TypeName(keys) & " " & LBound(keys) & " " & UBound(keys)
For i = 0 To UBound(keys) - 1 : Write keys(i) & "=" & items(i) & " " : Next
WriteLine

' --- Key renames in place; Remove; For Each walks the keys
d.Key("b") = "B"
d.Remove "z"
d.Remove "obj"
For Each k In d : Write k & " " : Next
WriteLine
WriteLine d.Exists("b") & " " & d("B")

' --- RemoveAll
d.RemoveAll
WriteLine d.Count & " " & UBound(d.Keys)
d.Add "a", 1
WriteLine d.Count & " " & d("a")

' --- keys are Variants: 1 and "1" differ, numbers match across subtypes
Dim n : Set n = CreateObject("Scripting.Dictionary")
n.Add 1, "integer one"
n.Add "1", "string one"
WriteLine n.Count & " | " & (n(1) & " / " & n("1")) & " | " & (n(1.0) & " / " & n.Exists(2) & " " & n.Count)

' --- objects are keys by identity
Dim o1, o2
Set o1 = CreateObject("Scripting.Dictionary")
Set o2 = CreateObject("Scripting.Dictionary")
n.Add o1, "first object"
WriteLine n.Exists(o1) & " " & n.Exists(o2) & " " & n(o1)

' --- CompareMode
WriteLine d.CompareMode
Dim t : Set t = CreateObject("Scripting.Dictionary")
t.CompareMode = vbTextCompare
t.Add "Key", "value"
WriteLine (t.CompareMode & " " & t.Exists("KEY") & " " & t("key")) & " | " & d.Exists("A")
t.Key("KEY") = "kEy"
keys = t.Keys
WriteLine keys(0)

' --- numeric keys match by value across subtypes; Empty, Null, 0 and "" differ
Dim m, kv
Set m = CreateObject("Scripting.Dictionary")
m.Add CInt(1), "one"
WriteLine m.Exists(CLng(1)) & m.Exists(CByte(1)) & m.Exists(CCur(1)) & m.Exists(CSng(1)) & " " & m.Exists(1.5)
m.Add -0.0, "zero"
WriteLine m.Exists(0) & " " & m.Exists(False) & " " & m.Exists("0")
m.Add Empty, "empty"
m.Add Null, "null"
WriteLine m.Count & " " & m(Null) & " " & m.Exists("")

' --- a key or value passed in a variable is stored as a value
kv = "k"
i = 5
m.Add kv, i
kv = "other"
i = 6
WriteLine m("k") & " " & m.Exists("other")

' --- order survives many removals, a rename and re-adding a removed key
m.RemoveAll
For i = 0 To 99 : m.Add i, i * 2 : Next
For i = 0 To 99
    If i Mod 10 <> 0 Then m.Remove i
Next
m.Key(50) = "fifty"
m.Add 1, Empty
WriteLine Join(m.Keys, " ") & " / " & m("fifty") & " " & m.Exists(50)

' --- the same key string asked again across changes to the dictionary
Dim c, s
Set c = CreateObject("Scripting.Dictionary")
s = "key" & 1
c.Add s, "v1"
WriteLine c.Exists(s) & " " & c(s)
c.Remove s
WriteLine c.Exists(s) & " " & c.Count
c(s) = "v2"
c.Add "other", 0
WriteLine c(s) & " " & c.Count
c.Key(s) = "renamed"
WriteLine c.Exists(s) & " " & c("renamed")
c.RemoveAll
WriteLine c.Exists("renamed") & " " & c.Count
' a key variable that grows after a look-up is another key
c.Add "abc", 1
s = "a"
s = s & "b"
s = s & "c"
WriteLine c.Exists(s)
s = s & "d"
WriteLine c.Exists(s) & " " & c.Exists("abc") & " " & c.Count
i = 7
c("p") = i
i = 8
WriteLine c("p")
' the same whole number asked again, as each subtype, across changes
c(5) = "five"
WriteLine c.Exists(5) & " " & c(CInt(5)) & " " & c(CLng(5)) & " " & c(5.0)
c.Remove CLng(5)
WriteLine c.Exists(5) & " " & c.Exists(CInt(5)) & " " & IsEmpty(c(5)) & " " & c.Exists(5)
c.Key(5) = 6
WriteLine c.Exists(5) & " " & c.Exists(6)

' --- text keys: accented letters fold, the empty string is a key of its own
Set t = CreateObject("Scripting.Dictionary")
t.CompareMode = vbTextCompare
t.Add ChrW(233) & "t" & ChrW(233), 1
WriteLine t.Exists(ChrW(201) & "T" & ChrW(201)) & " " & t.Exists("ete") & " " & t.Exists(ChrW(233) & "t")
t.Add "", "empty string"
WriteLine t("") & " " & t.Exists(Empty) & " " & t.Count
' Look-ups of one text in a row, with the variable holding it rewritten in
' place between them, a key renamed and a key removed after a look-up.
Dim rd, rk, rn, rs
Set rd = CreateObject("Scripting.Dictionary")
For rn = 1 To 12 : rd.Add "k" & rn, rn * 10 : Next
rs = ""
For rn = 1 To 12 Step 5
    rk = "k" & rn
    If rd.Exists(rk) Then rs = rs & rd(rk) & " "
Next
rk = "k2" : rs = rs & rd(rk) & " "
rd.Key("k2") = "two"
rs = rs & rd.Exists("k2") & " " & rd("two") & " "
rs = rs & rd("k3") & " " : rd.Remove "k3"
rs = rs & rd.Exists("k3") & " " & rd.Count
WriteLine rs
rd.RemoveAll : rd.CompareMode = vbTextCompare : rd.Add "Abc", 1
WriteLine rd("abc") & " " & rd("ABC") & " " & rd.Exists("aBC") & " " & rd.Count
' The usual calls from a procedure: a local holder, ByRef arguments (stored
' as copies), a read that adds the key, and the errors they raise.
Sub LocalDictionary()
    Dim ld, k, v, probe
    Set ld = CreateObject("Scripting.Dictionary")
    k = "a" : v = 1
    ld.Add k, v
    v = 2 : k = "b"
    WriteLine ld("a") & " " & ld.Exists(k) & " " & ld.Count
    ld(k) = v
    ld(k) = ld(k) + 1
    WriteLine ld.Count & " " & ld("b") & " " & ld.Item("b")
    WriteLine IsEmpty(ld("new")) & " " & ld.Count
    On Error Resume Next
    ld.Add "a", 5
    WriteLine Err.Number & " " & ld("a")
    Err.Clear
    ld(Array(1)) = 1
    WriteLine Err.Number
    Err.Clear
    probe = ld.Exists(Array(1))
    WriteLine Err.Number & " " & ld.Count
End Sub
LocalDictionary
