' RegExp.Replace and the replacement forms.
Dim re : Set re = New RegExp

' --- without Global only the first match is replaced
re.Pattern = "o"
WriteLine re.Replace("foo boo", "0")
re.Global = True
WriteLine re.Replace("foo boo", "0")

' --- $1..$99, $&, $`, $', $$
re.Pattern = "(\w+)\s(\w+)"
WriteLine re.Replace("John Smith", "$2 $1")
re.Pattern = "b"
WriteLine re.Replace("abc", "[$&]") & " | " & re.Replace("abc", "[$`]") & " | " & re.Replace("abc", "[$']")
WriteLine re.Replace("abc", "$$")

' --- a $ that is no replacement form stays as it is
WriteLine re.Replace("abc", "$") & " | " & re.Replace("abc", "$1$0$x")

' --- an unmatched group gives nothing; two digits when that group exists
re.Pattern = "(a)(b)?"
WriteLine re.Replace("a-ab", "<$1|$2>")
re.Pattern = "(1)(2)(3)(4)(5)(6)(7)(8)(9)(0)"
WriteLine re.Replace("1234567890", "$10 $1 $01 $11")

' --- empty matches
re.Pattern = ""
WriteLine re.Replace("abc", "-")
re.Pattern = "\s*"
WriteLine re.Replace("a b", "_")

' --- typical uses
re.Pattern = "\s+"
WriteLine "[" & re.Replace("  lots   of    space ", " ") & "]"
re.Pattern = "(\d{4})-(\d{2})-(\d{2})"
WriteLine re.Replace("from 2024-01-31 to 2024-12-25", "$3.$2.$1")
re.Pattern = "CAT"
re.IgnoreCase = True
WriteLine re.Replace("Cat cat CAT", "dog")
re.IgnoreCase = False
re.Pattern = "^"
re.Multiline = True
WriteLine re.Replace("a" & vbLf & "b", "> ")
re.Multiline = False

' --- arguments are converted to strings; no match leaves the text alone
re.Pattern = "\d"
WriteLine re.Replace(12345, 0)
re.Pattern = "z"
WriteLine re.Replace("abc", "-")

' --- a procedure reference returns each replacement, given the match, its submatches, FirstIndex and the subject
Function Upper(m, p1, pos, src) : Upper = UCase(m) & p1 & pos & Len(src) : End Function
re.Pattern = "(b)"
WriteLine re.Replace("abcb", GetRef("Upper"))
