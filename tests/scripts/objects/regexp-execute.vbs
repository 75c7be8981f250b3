' RegExp.Execute: the match collection, matches and submatches.
Dim re, ms, m, s, v

' --- a global search: Count, For Each, Value, FirstIndex, Length
Set re = New RegExp
re.Pattern = "(\w+)@(\w+)\.com"
re.Global = True
Set ms = re.Execute("write to ann@example.com or bob@test.com today")
WriteLine TypeName(ms) & " " & ms.Count
For Each m In ms : WriteLine TypeName(m) & " " & m.Value & " " & m.FirstIndex & " " & m.Length : Next

' --- Item and Value are the default members
Set m = ms(1)
WriteLine m & " " & ms.Item(0).Value

' --- SubMatches: Count, Item (default), For Each
Set s = m.SubMatches
WriteLine TypeName(s) & " " & s.Count & " " & s(0) & " " & s.Item(1)
For Each v In ms(0).SubMatches : Write v & ";" : Next
WriteLine

' --- without Global at most one match
re.Global = False
Set ms = re.Execute("ann@example.com bob@test.com")
WriteLine ms.Count & " " & ms(0).Value

' --- no match: an empty collection
Set ms = re.Execute("nobody here")
WriteLine ms.Count
For Each m In ms : WriteLine "not reached" : Next

' --- a group that did not take part is Empty; no groups, no submatches
re.Pattern = "(a)|(b)"
Set ms = re.Execute("b")
Set m = ms(0)
WriteLine IsEmpty(m.SubMatches(0)) & " " & m.SubMatches(1)
re.Pattern = "b"
Set ms = re.Execute("b")
WriteLine ms(0).SubMatches.Count

' --- empty matches advance by one character
re.Pattern = "x*"
re.Global = True
Set ms = re.Execute("axxb")
WriteLine ms.Count
For Each m In ms : Write m.FirstIndex & ":" & m.Length & " " : Next
WriteLine

' --- IgnoreCase and Multiline with Execute
re.Pattern = "ab"
re.IgnoreCase = True
WriteLine re.Execute("AB ab aB").Count
re.IgnoreCase = False
re.Pattern = "^\w+$"
re.Multiline = True
For Each m In re.Execute("one" & vbCrLf & "two" & vbLf & "three")
    Write m.Value & "@" & m.FirstIndex & " "
Next
WriteLine

' --- the collection stays valid after the RegExp changes
re.Pattern = "\d"
Set ms = re.Execute("a1b2")
re.Pattern = "zzz"
WriteLine ms.Count & " " & ms(1)
