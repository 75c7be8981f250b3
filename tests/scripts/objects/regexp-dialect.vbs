' RegExp: the pattern language. Show lists every match in brackets.
Function Show(pattern, subject)
    Dim re, m, s
    Set re = New RegExp
    re.Pattern = pattern
    re.Global = True
    s = ""
    For Each m In re.Execute(subject) : s = s & "[" & m.Value & "]" : Next
    Show = pattern & " " & s
End Function

' --- character classes
WriteLine Show("[a-c]+", "xabcbay") & " | " & Show("[^a-c ]+", "abc def") & " | " & Show("[.]", "a.b")
WriteLine Show("[\d-]+", "tel 555-1234") & " | " & Show("\d+", "a12b345") & " | " & Show("\D+", "a12b345")
WriteLine Show("\w+", "hi, there_1!") & " | " & Show("\W", "a,b;c")
WriteLine Show("\S+", "a b" & vbTab & "c" & vbLf & "d") & " | " & Show("a\sb", "a b a" & vbTab & "b a" & vbCrLf & "b")

' --- quantifiers, greedy and lazy
WriteLine Show("a{2}", "aaaaa") & " | " & Show("a{2,3}", "aaaaa") & " | " & Show("a{2,}", "a aa aaaa")
WriteLine Show("colou?r", "color colour") & " | " & Show("<.+>", "<a><b>") & " | " & Show("<.+?>", "<a><b>")
WriteLine Show("\d{2,}?", "12345") & " | " & Show("a*?b", "aab")

' --- alternation, groups, look-ahead, back-references
WriteLine Show("a|b|c", "cab") & " | " & Show("(ab)+", "ababab abx") & " | " & Show("(?:x|y)z", "xz yz zz")
WriteLine Show("\w+(?=!)", "hey! you") & " | " & Show("\b\w(?!\w)", "a bc d") & " | " & Show("(\w)\1", "aabcdd")
WriteLine Show("(['""]).*?\1", "say 'hi' and ""bye""")

' --- word boundaries and anchors
WriteLine Show("\bcat\b", "cat concat cats cat") & " | " & Show("\Bcat", "cat concat") & " | " & Show("^\d", "1a2")
WriteLine Show("\d$", "1a2")

' --- escapes: hexadecimal, Unicode, special characters
WriteLine Show("\x41\u0042", "zABz") & " | " & Show("\.\*\+\?\(\)\[\]\{\}\|\\\/\^\$", "x.*+?()[]{}|\/^$x")
WriteLine Show("\u00e9+", "caf" & ChrW(233) & ChrW(233))

' --- dot matches anything but a line feed, a carriage return included
WriteLine Show("a.c", "abc a" & vbLf & "c a.c") & " | " & (Show("a.c", "a" & vbCr & "c") = "a.c [a" & vbCr & "c]")

' --- the dialect's own escapes and references, each matching its whole subject
Function Whole(pattern, subject, ignoreCase)
    Dim re, ms
    Set re = New RegExp
    re.Pattern = pattern
    re.IgnoreCase = ignoreCase
    Set ms = re.Execute(subject)
    Whole = False
    If ms.Count = 1 Then Whole = (ms(0).FirstIndex = 0 And ms(0).Value = subject)
End Function
' an unset group's reference is empty; incomplete hex escapes and unknown escapes are letters
WriteLine Whole("(a)(?:b)\1", "aba", False) & Whole("(a)?b\1", "b", False) & Whole("\u00G\xZ", "u00GxZ", False) & Whole("\A\Q\z\p", "AQzp", False)
' \v \cJ \0, octal when there is no such group, no POSIX classes, [\b], a brace that quantifies nothing
WriteLine Whole("\v\cJ\0", vbVerticalTab & vbLf & Chr(0), False) & Whole("\1\101", Chr(1) & "A", False) & Whole("[[:a]+", "[:a", False) & Whole("[\b]", Chr(8), False) & Whole("a{,2}}", "a{,2}}", False)
' \nm with fewer than nm groups is \n then m; \c before a non-letter is a literal c
WriteLine Whole("(a)\12", "aa2", False) & Whole("(a)(b)\21\12", "abb1a2", False) & Whole("\c1[\c_]+", "c1c_", False)
' [^] is any character, [] none; \s takes every blank; a class may end in -x
WriteLine Whole("[^]", vbLf, False) & Show("[]", "x") & Whole("\s+", " " & vbTab & Chr(12) & vbVerticalTab & vbCrLf, False) & Whole("[\d-x]+", "1-x", False)
' IgnoreCase beyond ASCII, in classes too, never in a negated class, and only when set
WriteLine Whole("caf" & ChrW(233), "CAF" & ChrW(201), True) & Whole(ChrW(&H414), ChrW(&H434), True) & Whole("[" & ChrW(&H430) & "-" & ChrW(&H44F) & "]+", ChrW(&H414) & ChrW(&H430), True)
WriteLine Whole("[^" & ChrW(233) & "]", ChrW(201), True) & " " & Whole(ChrW(233), ChrW(201), False)
