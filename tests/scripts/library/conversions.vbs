' The C* conversion functions: results, subtypes, rounding and errors.
' --- CBool
WriteLine CBool(5) & " " & CBool(0) & " " & CBool(-0.5) & " " & CBool(Empty)
WriteLine CBool("True") & " " & CBool("false") & " " & CBool("1") & " " & CBool("0")
WriteLine TypeName(CBool(1))
' --- CByte, CInt, CLng: half to even
WriteLine CByte(125.5678) & " " & CByte(0.5) & " " & CByte(1.5) & " " & CByte("7")
WriteLine CInt(2345.5678) & " " & CInt(2.5) & " " & CInt(3.5) & " " & CInt(-2.5) & " " & CInt("12")
WriteLine CLng(25427.45) & " " & CLng(25427.55) & " " & CLng(Empty) & " " & CLng(True)
WriteLine TypeName(CByte(1)) & " " & TypeName(CInt(1)) & " " & TypeName(CLng(1))
' --- CSng, CDbl, CCur
WriteLine CSng(75.3421115) & " " & CDbl("1.5") & " " & CDbl(Empty)
WriteLine CCur(234.456784) & " " & CDbl(CCur(234.456784)) & " " & CCur("1,234.5")
WriteLine TypeName(CSng(1)) & " " & TypeName(CDbl(1)) & " " & TypeName(CCur(1))
' --- CStr
WriteLine CStr(1E+20) & " " & CStr(0.00001) & " " & CStr(0.5) & " " & CStr(-3)
WriteLine CStr(True) & " " & CStr(False) & " [" & CStr(Empty) & "]"
WriteLine CStr(123456789012345) & " " & CStr(1 / 3)
WriteLine TypeName(CStr(1))
' --- CDate
WriteLine CDate("12/6/2026") = #12/6/2026#
WriteLine CDate(1) & " " & CDate(2.5)
WriteLine TypeName(CDate("1/1/2000"))
' --- errors
On Error Resume Next
x = CBool("abc")
WriteLine Err.Number & " " & Err.Description
Err.Clear
x = CInt(32767.5)
WriteLine Err.Number & " " & Err.Description
Err.Clear
x = CByte(-1)
WriteLine Err.Number
Err.Clear
x = CByte(256)
WriteLine Err.Number
Err.Clear
x = CLng(2147483648)
WriteLine Err.Number
Err.Clear
x = CInt("x")
WriteLine Err.Number
Err.Clear
x = CStr(Null)
WriteLine Err.Number & " " & Err.Description
Err.Clear
x = CDbl(Null)
WriteLine Err.Number
Err.Clear
x = CDate("not a date")
WriteLine Err.Number
Err.Clear
x = CLng(Array(1))
WriteLine Err.Number
Err.Clear
