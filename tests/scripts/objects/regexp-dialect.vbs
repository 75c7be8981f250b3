' RegExp: the pattern language. Show lists every match in brackets.
Function Show(pattern, subject)
    Dim re, m, s
    Set re = New RegExp
    re.Pattern = pattern
    re.Global = True
    s = ""
    For Each m In re.Execute(subject)
        s = s & "[" & m.Value & "]"
    Next
    Show = pattern & " " & s
End Function

' --- character classes
WriteLine Show("[a-c]+", "xabcbay")
WriteLine Show("[^a-c ]+", "abc def")
WriteLine Show("[.]", "a.b")
WriteLine Show("[\d-]+", "tel 555-1234")
WriteLine Show("\d+", "a12b345")
WriteLine Show("\D+", "a12b345")
WriteLine Show("\w+", "hi, there_1!")
WriteLine Show("\W", "a,b;c")
WriteLine Show("\S+", "a b" & vbTab & "c" & vbLf & "d")
WriteLine Show("a\sb", "a b a" & vbTab & "b a" & vbCrLf & "b")

' --- quantifiers, greedy and lazy
WriteLine Show("a{2}", "aaaaa")
WriteLine Show("a{2,3}", "aaaaa")
WriteLine Show("a{2,}", "a aa aaaa")
WriteLine Show("colou?r", "color colour")
WriteLine Show("<.+>", "<a><b>")
WriteLine Show("<.+?>", "<a><b>")
WriteLine Show("\d{2,}?", "12345")
WriteLine Show("a*?b", "aab")

' --- alternation, groups, look-ahead, back-references
WriteLine Show("a|b|c", "cab")
WriteLine Show("(ab)+", "ababab abx")
WriteLine Show("(?:x|y)z", "xz yz zz")
WriteLine Show("\w+(?=!)", "hey! you")
WriteLine Show("\b\w(?!\w)", "a bc d")
WriteLine Show("(\w)\1", "aabcdd")
WriteLine Show("(['""]).*?\1", "say 'hi' and ""bye""")

' --- word boundaries and anchors
WriteLine Show("\bcat\b", "cat concat cats cat")
WriteLine Show("\Bcat", "cat concat")
WriteLine Show("^\d", "1a2")
WriteLine Show("\d$", "1a2")

' --- escapes: hexadecimal, Unicode, special characters
WriteLine Show("\x41\u0042", "zABz")
WriteLine Show("\.\*\+\?\(\)\[\]\{\}\|\\\/\^\$", "x.*+?()[]{}|\/^$x")
WriteLine Show("\u00e9+", "caf" & ChrW(233) & ChrW(233))

' --- dot does not match a line break
WriteLine Show("a.c", "abc a" & vbLf & "c a" & vbCr & "c a.c")
