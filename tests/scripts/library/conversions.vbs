' The C* conversion functions: results, subtypes, rounding and errors.
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
' --- CBool
WriteLine CBool(5) & " " & CBool(-0.5) & " " & CBool(Empty) & " " & CBool("false") & " " & CBool("#TRUE#") & " " & CBool("#FALSE#") & " " & TypeName(CBool(1))
If "#TRUE#" Then WriteLine "#TRUE# is true"
' --- CByte, CInt, CLng: half to even
WriteLine CByte(125.5678) & " " & CByte(0.5) & " " & CByte("7") & " " & CByte(True) & " " & CByte(False)
WriteLine CInt(2345.5678) & " " & CInt(2.5) & " " & CInt(-2.5) & " " & CInt("12")
WriteLine CLng(25427.45) & " " & CLng(25427.55) & " " & CLng(Empty) & " " & CLng(True)
WriteLine TypeName(CByte(1)) & " " & TypeName(CInt(1)) & " " & TypeName(CLng(1))
' --- CSng, CDbl, CCur
WriteLine CSng(75.3421115) & " " & CDbl("1.5") & " " & CDbl(Empty)
WriteLine CCur(234.456784) & " " & CDbl(CCur(234.456784)) & " " & CCur("1,234.5")
WriteLine TypeName(CSng(1)) & " " & TypeName(CDbl(1)) & " " & TypeName(CCur(1))
WriteLine CCur(922337203685477) & " " & CCur(-922337203685477.5) & " " & CCur(-2.5)
' --- number text: &H/&O are 32 bits wide except for CInt; money forms
WriteLine CLng("&HFFFF") & " " & CDbl("&HFFFF") & " " & CLng("&HFFFFFFFF") & " " & CInt("&HFFFF") & " " & CInt("&O177777") & " " & ("&HFFFF" + 0)
WriteLine CDbl("$5") & " " & CDbl("5$") & " " & CDbl("-$5") & " " & CDbl("(5)") & " " & CDbl("5-") & " " & CCur("($1,000.50)") & " " & CDbl("1,5")
Errs Array("CInt(""&H10000"")", "CCur(922337203685478)", "CDbl(""(-5)"")", "CDbl(""-5-"")", "CDbl(""--5"")", "CDbl(""$"")", "CDbl(""()"")")
' --- CStr
WriteLine CStr(1E+20) & " " & CStr(0.00001) & " " & CStr(0.5) & " " & CStr(-3)
WriteLine (CStr(True) & " " & CStr(False) & " [" & CStr(Empty) & "]") & " | " & (CStr(123456789012345) & " " & CStr(1 / 3)) & " | " & (TypeName(CStr(1)))
' --- CDate
WriteLine (CDate("12/6/2026") = #12/6/2026#) & " | " & (CDate(1) & " " & CDate(2.5)) & " | " & (TypeName(CDate("1/1/2000")))
WriteLine CDate("1") & " " & (CDate(" 45306 ") = #1/15/2024#) & " " & TypeName(CDate("1"))
' --- Round keeps a Boolean
WriteLine TypeName(Round(True)) & " " & Round(True) & " " & Round(False, 2)
' --- errors
On Error Resume Next
x = CBool("abc")
WriteLine Err.Number & " " & Err.Description
Err.Clear
x = CInt(32767.5)
WriteLine Err.Number & " " & Err.Description
Err.Clear
Errs Array("CByte(-1)", "CByte(256)", "CLng(2147483648)", "CInt(""x"")")
x = CStr(Null)
WriteLine Err.Number & " " & Err.Description
Err.Clear
Errs Array("CDbl(Null)", "CDate(""not a date"")", "CLng(Array(1))")
