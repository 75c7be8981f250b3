' RegExp: creation, properties and Test.
Dim re, re2, m, s

' --- New RegExp and its defaults
Set re = New RegExp
WriteLine TypeName(re) & " | " & ("[" & re.Pattern & "] " & re.IgnoreCase & " " & re.Global & " " & re.Multiline)

' --- Pattern and Test
re.Pattern = "b+"
WriteLine re.Pattern & " | " & (re.Test("abbc") & " " & re.Test("ac"))

' --- IgnoreCase
re.Pattern = "^abc$"
WriteLine re.Test("ABC")
re.IgnoreCase = True
WriteLine re.Test("ABC") & " " & re.IgnoreCase

' --- Multiline: ^ and $ also at line breaks (CR or LF)
re.IgnoreCase = False
re.Pattern = "^b"
WriteLine re.Test("a" & vbLf & "b")
re.Multiline = True
WriteLine re.Test("a" & vbLf & "b") & " " & re.Test("a" & vbCr & "b") & " " & re.Test("a" & vbCrLf & "b")
re.Pattern = "a$"
WriteLine re.Test("a" & vbCrLf & "b")
re.Pattern = "^$"
WriteLine re.Execute("a" & vbLf)(0).FirstIndex
' CR and LF each end a line: ^ and $ also match between the two of a CRLF, and . takes the CR
re.Global = True
re.Pattern = "^" : s = "" : For Each m In re.Execute("a" & vbCrLf & "b") : s = s & m.FirstIndex : Next
re.Pattern = "$" : s = s & " " : For Each m In re.Execute("a" & vbCrLf & "b") : s = s & m.FirstIndex : Next
re.Pattern = "^.*$" : WriteLine s & " " & Len(re.Execute("a" & vbCrLf)(0))
re.Global = False
re.Multiline = False
re.Pattern = "a$"
WriteLine re.Test("a" & vbCrLf & "b") & " " & re.Test("ba")

' --- Global does not change Test
re.Global = True
re.Pattern = "x"
WriteLine re.Global & " " & re.Test("axa")

' --- CreateObject("VBScript.RegExp"), settings per object, flags from numbers
Set re2 = CreateObject("VBScript.RegExp")
WriteLine TypeName(re2)
re2.Pattern = "y"
WriteLine re.Pattern & " " & re2.Pattern
re2.IgnoreCase = 1
WriteLine re2.IgnoreCase & " " & re2.Test("Y")

' --- an empty pattern matches everywhere
re2.Pattern = ""
WriteLine re2.Test("") & " " & re2.Test("abc")

' --- Test converts its argument to a string
re2.Pattern = "^\d+$"
WriteLine re2.Test(12345) & " " & re2.Test(1.5)
