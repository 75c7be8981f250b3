' UCase, LCase, StrComp and the character-code functions.
' --- UCase and LCase
WriteLine UCase("Hello World 123")
WriteLine LCase("Hello World 123")
WriteLine UCase(ChrW(233)) = ChrW(201)
WriteLine LCase(ChrW(&H416)) = ChrW(&H436)
WriteLine UCase(ChrW(&H3B1)) = ChrW(&H391)
WriteLine UCase(ChrW(255)) = ChrW(&H178)
WriteLine UCase(True)
WriteLine IsNull(UCase(Null)) & IsNull(LCase(Null))
' --- StrComp
WriteLine StrComp("ABCD", "abcd", 1)
WriteLine StrComp("ABCD", "abcd", 0)
WriteLine StrComp("abcd", "ABCD")
WriteLine StrComp("ABC", "ABCD")
WriteLine StrComp("", "")
WriteLine StrComp("b", "a", vbTextCompare)
WriteLine TypeName(StrComp("a", "b"))
WriteLine IsNull(StrComp(Null, "a")) & IsNull(StrComp("a", Null))
On Error Resume Next
x = StrComp("a", "b", 5)
WriteLine Err.Number
Err.Clear
On Error GoTo 0
' --- Asc, AscW, Chr, ChrW
WriteLine Asc("A")
WriteLine Asc("apple")
WriteLine Asc(ChrW(8364))
WriteLine Asc(1)
WriteLine AscW("A")
WriteLine AscW(ChrW(8364))
WriteLine AscW(ChrW(&HFFFF))
WriteLine TypeName(Asc("a")) & " " & TypeName(AscW("a"))
WriteLine Chr(65) & Chr(97) & Chr(62)
WriteLine AscW(Chr(128)) & " " & AscW(Chr(150)) & " " & AscW(Chr(233))
WriteLine ChrW(-1) = ChrW(65535)
WriteLine Len(Chr(0))
WriteLine Chr(65.6)
On Error Resume Next
x = Asc("")
WriteLine Err.Number & " " & Err.Description
Err.Clear
x = Asc(Null)
WriteLine Err.Number
Err.Clear
x = Chr(256)
WriteLine Err.Number
Err.Clear
x = Chr(-1)
WriteLine Err.Number
Err.Clear
x = ChrW(65536)
WriteLine Err.Number
Err.Clear
x = ChrW(-32769)
WriteLine Err.Number
Err.Clear
x = Chr("a")
WriteLine Err.Number
Err.Clear
x = Chr(Null)
WriteLine Err.Number
Err.Clear
On Error GoTo 0
' --- Escape and Unescape
WriteLine Escape("a b&c/d.e_f-g*h+i@j")
WriteLine Escape(ChrW(233) & ChrW(&H20AC))
WriteLine Unescape("a%20b%26c")
WriteLine Unescape("%u20AC") = ChrW(&H20AC)
WriteLine Unescape("100%") & " " & Unescape("%zz") & " " & Unescape("%u12")
WriteLine Unescape(Escape("x y" & vbCrLf & ChrW(1234))) = "x y" & vbCrLf & ChrW(1234)
WriteLine IsNull(Escape(Null)) & IsNull(Unescape(Null))
