' RegExp in the ways its documentation shows it used.

' --- every match of a case-insensitive global search
Function ListMatches(pattern, text)
    Dim re, m, out
    Set re = New RegExp
    re.Pattern = pattern
    re.IgnoreCase = True
    re.Global = True
    For Each m In re.Execute(text)
        out = out & "Match found at position " & m.FirstIndex & ". Match Value is '" & m.Value & "'." & vbLf
    Next
    ListMatches = out
End Function
Write ListMatches("is.", "IS1 is2 IS3 is4")

' --- replacing text, and swapping the first pair of words
Function ReplaceIn(pattern, replacement)
    Dim re
    Set re = New RegExp
    re.Pattern = pattern
    re.IgnoreCase = True
    ReplaceIn = re.Replace("The quick brown fox jumped over the lazy dog.", replacement)
End Function
WriteLine ReplaceIn("fox", "cat")
WriteLine ReplaceIn("(\S+)(\s+)(\S+)", "$3$2$1")

' --- the parts of an e-mail address
Dim re, m
Set re = New RegExp
re.Pattern = "(\w+)@(\w+)\.(\w+)"
Set m = re.Execute("Please send mail to dragon@xyzzy.com. Thanks!")(0)
WriteLine "Email address is: " & m
WriteLine "Email alias is: " & m.SubMatches(0)
WriteLine "Organization is: " & m.SubMatches(1)
