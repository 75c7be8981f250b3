' UCase, LCase, StrComp and the character-code functions.
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
' --- UCase and LCase
WriteLine (UCase("Hello World 123")) & " | " & (LCase("Hello World 123")) & " | " & (UCase(ChrW(233)) = ChrW(201))
WriteLine (LCase(ChrW(&H416)) = ChrW(&H436)) & " | " & (UCase(ChrW(&H3B1)) = ChrW(&H391)) & " | " & (UCase(ChrW(255)) = ChrW(&H178))
WriteLine UCase("@[`{az AZ09~ mixed text") & "|" & LCase("@[`{az AZ09~ MIXED TEXT") & "|" & UCase("ALREADY UPPER 123")
WriteLine (UCase("abcd" & ChrW(233) & "efgh" & ChrW(&H3B1) & "ijklm") = "ABCD" & ChrW(201) & "EFGH" & ChrW(&H391) & "IJKLM") & " " & (LCase("ABCDE" & ChrW(&H416) & "FG") = "abcde" & ChrW(&H436) & "fg")
WriteLine (UCase(True)) & " | " & (IsNull(UCase(Null)) & IsNull(LCase(Null)))
' Latin Extended-B: s and t with comma (Romanian), caron, digraphs, letters paired with IPA small letters
x = "&H219 &H21B &H1CE &H1C6 &H25B &H192 &H1B4 &H259" : l = "" : u = ""
For Each c In Split(x) : l = l & ChrW(CLng(c)) : Next
For Each c In Split("&H218 &H21A &H1CD &H1C4 &H190 &H191 &H1B3 &H18F") : u = u & ChrW(CLng(c)) : Next
WriteLine (UCase(l) = u) & " " & (LCase(u) = l) & " " & (LCase(ChrW(&H1C5)) = ChrW(&H1C6)) & " " & (UCase(ChrW(&H1C5)) = ChrW(&H1C4))
' ... and the text comparisons match them too
Set tm = CreateObject("Scripting.Dictionary") : tm.CompareMode = 1 : tm.Add l, 1
WriteLine InStr(1, "x" & l, u, 1) & " " & StrComp(l, u, 1) & " " & tm.Exists(u) & " " & Replace(l, u, "=", 1, -1, 1)
' --- StrComp
WriteLine (StrComp("ABCD", "abcd", 1)) & " | " & (StrComp("ABCD", "abcd", 0)) & " | " & (StrComp("abcd", "ABCD"))
WriteLine (StrComp("ABC", "ABCD")) & " | " & (StrComp("", "")) & " | " & (StrComp("b", "a", vbTextCompare))
WriteLine StrComp(ChrW(233) & "x", ChrW(201) & "X", 1) & " " & StrComp(ChrW(233) & "x", ChrW(201) & "X", 0) & " " & StrComp("a", ChrW(&HFF21), 0) & " " & StrComp("abc", "ABD", 1)
WriteLine (TypeName(StrComp("a", "b"))) & " | " & (IsNull(StrComp(Null, "a")) & IsNull(StrComp("a", Null)))
' text order: punctuation, then digits, then letters ("_" is above "A" only in binary order)
WriteLine StrComp("_", "A", 0) & " " & StrComp("_", "a", 1) & " " & StrComp("a_b", "A1B", 1) & " " & StrComp("{", "1", 1) & " " & StrComp("9", "a", 1) & " " & StrComp("Name_x", "NAMEX", 1)
' accents decide only between texts whose letters are otherwise equal
ea = ChrW(233) : au = ChrW(228) : oc = ChrW(244)
WriteLine StrComp(au & "b", "ac", 1) & " " & StrComp(ea, "f", 1) & " " & StrComp(ea, "f", 0) & " " & StrComp(ea, "E", 1) & " " & StrComp("cote", "c" & oc & "te", 1) & " " & StrComp("cot" & ea, "c" & oc & "te", 1) & " " & StrComp(ChrW(191), "1", 1)
On Error Resume Next
Errs Array("StrComp(""a"", ""b"", 5)")
On Error GoTo 0
' --- Asc, AscW, Chr, ChrW
WriteLine (Asc("A")) & " | " & (Asc("apple")) & " | " & (Asc(ChrW(8364)))
WriteLine (Asc(1)) & " | " & (AscW("A")) & " | " & (AscW(ChrW(8364)))
WriteLine (AscW(ChrW(&HFFFF))) & " | " & (TypeName(Asc("a")) & " " & TypeName(AscW("a"))) & " | " & (Chr(65) & Chr(97) & Chr(62))
WriteLine AscW(Chr(128)) & " " & AscW(Chr(150)) & " " & AscW(Chr(233))
WriteLine (ChrW(-1) = ChrW(65535)) & " | " & (Len(Chr(0))) & " | " & (Chr(65.6))
On Error Resume Next
x = Asc("") : WriteLine Caught
Errs Array("Asc(Null)", "Chr(256)", "Chr(-1)", "ChrW(65536)", "ChrW(-32769)", "Chr(""a"")", _
    "Chr(Null)")
On Error GoTo 0
' --- Escape and Unescape
WriteLine (Escape("a b&c/d.e_f-g*h+i@j")) & " | " & (Escape(ChrW(233) & ChrW(&H20AC))) & " | " & (Unescape("a%20b%26c"))
WriteLine Unescape("%u20AC") = ChrW(&H20AC)
WriteLine Unescape("100%") & " " & Unescape("%zz") & " " & Unescape("%u12")
WriteLine Unescape(Escape("x y" & vbCrLf & ChrW(1234))) = "x y" & vbCrLf & ChrW(1234)
WriteLine IsNull(Escape(Null)) & IsNull(Unescape(Null))
' --- a temporary is mapped in place; the variable it came from keeps its text
s = "Mixed Case " & ChrW(233) : c = s
WriteLine (UCase(s & "") = "MIXED CASE " & ChrW(201)) & " " & (LCase(Mid(s, 1, 5)) = "mixed") & " " & (s = c) & " " & (c = "Mixed Case " & ChrW(233))
s = "Mixed Case"
WriteLine UCase(LCase(s & "x")) & "|" & LCase(UCase("abc" & "DEF")) & "|" & s & "|[" & UCase("" & "") & "]"
' --- values that others hold are copied, never changed: a Const, a local, a field, an item, an element, a loop literal
Const K = "const text"
Class Holder : Public F : End Class
Set o = New Holder : o.F = "field text"
Set d = CreateObject("Scripting.Dictionary") : d("k") = "item text"
arr = Array("elem text")
Function Id(v) : Id = v : End Function
Sub Local() : Dim l : l = "local text" : WriteLine UCase(l) & "|" & Mid(l, 2) & "|" & Replace(l, "t", "T") & "|" & l : End Sub
Local
WriteLine UCase(K) & "|" & Replace(K, "t", "T") & "|" & K & "|" & UCase(o.F) & "|" & Mid(o.F, 2) & "|" & o.F
WriteLine UCase(d("k")) & "|" & Replace(d("k"), "t", "T") & "|" & d("k") & "|" & UCase(arr(0)) & "|" & Left(arr(0), 4) & "|" & arr(0)
For Each e In arr : WriteLine LCase(UCase(e)) & "|" & Right(e, 4) & "|" & e & "|" & UCase(Id(e)) & "|" & e : Next
For i = 1 To 2 : WriteLine UCase("loop lit") & "|" & Mid("loop lit", 1, 4) & "|" & Replace("loop lit", "l", "L") : Next
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
