' RegExp: a bad pattern is reported when it is used, with the documented error.
Sub Try(pattern)
    Dim r : Set r = New RegExp
    r.Pattern = pattern
    On Error Resume Next
    r.Test "x"
    WriteLine pattern & " -> " & Err.Number & " " & Err.Description
End Sub

' --- syntax errors
Try "(ab"
Try "[ab"
Try "[z-a]"
Try "*a"
Try "a|?"
Try "a**"
Try "a\"
Try "ab)"
Try "(a)|b[c]"
' --- forms other dialects accept
Try "[\u0062-a]"
Try "a++"
Try "^*"
Try "(?i)a"
Try "(?<n>a)"
Try "a{3,1}"
Try "a*?b+?c??d{1,2}?"

Dim re, ms
Set re = New RegExp
On Error Resume Next

' --- setting a bad pattern is no error; Execute and Replace report it too
re.Pattern = "[x"
WriteLine "set " & Err.Number
Set ms = re.Execute("x") : WriteLine "Execute " & ErrNo
WriteLine re.Replace("x", "y") : WriteLine "Replace " & ErrNo

' --- a corrected pattern works again
re.Pattern = "x"
WriteLine re.Test("x") & " " & Err.Number

' --- collection and submatch indexes out of range
re.Pattern = "(x)"
Set ms = re.Execute("x")
WriteLine TypeName(ms(1)) : WriteLine Caught
WriteLine ms(0).SubMatches(1) : WriteLine Caught
WriteLine ms("0")
WriteLine re.Test(Null) : WriteLine ErrNo

' --- an unhandled pattern error ends the script
On Error GoTo 0
re.Pattern = "a)("
WriteLine re.Test("a") & " | " & "not reached"
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
Function ErrNo() : ErrNo = Err.Number : Err.Clear : End Function
