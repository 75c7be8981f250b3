' The conversion functions, TypeName, VarType and the Is* tests.
' Errs lists the error number of each expression, on one line.
Sub Errs(exprs) : Dim e, s : On Error Resume Next : For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next : WriteLine Mid(s, 2) : End Sub
' === The C* conversion functions: results, subtypes, rounding and errors.
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
x = CBool("abc") : WriteLine Caught
x = CInt(32767.5) : WriteLine Caught
Errs Array("CByte(-1)", "CByte(256)", "CLng(2147483648)", "CInt(""x"")")
x = CStr(Null) : WriteLine Caught
Errs Array("CDbl(Null)", "CDate(""not a date"")", "CLng(Array(1))")
On Error GoTo 0
' === TypeName, VarType, the Is* tests, Array, UBound and LBound.
Dim fixed(3), grid(2, 5), dynamic()
' --- TypeName and VarType
WriteLine TypeName(Empty) & " " & TypeName(Null) & " " & TypeName(1) & " " & TypeName(100000)
WriteLine TypeName(1.5) & " " & TypeName(CSng(1)) & " " & TypeName(CCur(1)) & " " & TypeName(#1/1/2000#)
WriteLine TypeName("a") & " " & TypeName(True) & " " & TypeName(CByte(1)) & " " & TypeName(fixed)
WriteLine TypeName(Nothing) & " " & TypeName(Array())
WriteLine VarType(Empty) & " " & VarType(Null) & " " & VarType(1) & " " & VarType(100000) & " " & VarType(1.5)
WriteLine VarType(CSng(1)) & " " & VarType(CCur(1)) & " " & VarType(Now) & " " & VarType("a") & " " & VarType(Nothing)
WriteLine VarType(True) & " " & VarType(CByte(1)) & " " & VarType(fixed) & " " & VarType(Array(1))
WriteLine TypeName(VarType(1)) & " | " & (VarType(fixed) = vbArray + vbVariant)
' --- IsEmpty, IsNull, IsArray, IsObject
Dim fresh
WriteLine IsEmpty(fresh) & " " & IsEmpty("") & " " & IsEmpty(0) & " " & IsEmpty(Null)
WriteLine IsNull(Null) & " " & IsNull(Empty) & " " & IsNull("")
WriteLine IsArray(fixed) & " " & IsArray(Array()) & " " & IsArray("abc") & " " & IsArray(dynamic)
WriteLine IsObject(Nothing) & " " & IsObject(1) & " " & IsObject(fixed)
' --- IsNumeric
WriteLine IsNumeric(1) & " " & IsNumeric("1.5") & " " & IsNumeric(" -3 ") & " " & IsNumeric("1e3")
WriteLine IsNumeric("&HFF") & " " & IsNumeric("abc") & " " & IsNumeric("") & " " & IsNumeric(Empty)
WriteLine IsNumeric(Null) & " " & IsNumeric(True) & " " & IsNumeric(#1/1/2000#) & " " & IsNumeric(fixed)
WriteLine IsNumeric("1e309") & " " & IsNumeric("$1") & " " & IsNumeric("(1)") & " " & IsNumeric("1-") & " " & IsNumeric("1,000") & " " & IsNumeric("()") & " " & IsNumeric("1 2") & " " & IsNumeric("-")
' --- IsDate
WriteLine IsDate("12/6/2026") & " " & IsDate("December 6, 2026") & " " & IsDate("6:51 PM") & " " & IsDate(#1/1/2000#)
WriteLine IsDate("abc") & " " & IsDate("") & " " & IsDate(Null) & " " & IsDate(Empty) & " " & IsDate("13/45/2026")
' --- Array, UBound, LBound
a = Array(10, "x", True)
WriteLine UBound(a) & " " & LBound(a) & " " & a(0) & " " & a(1) & " " & a(2)
WriteLine UBound(Array()) & " " & UBound(fixed) & " " & UBound(grid) & " " & UBound(grid, 1) & " " & UBound(grid, 2)
WriteLine LBound(grid, 2)
b = Array(Array(1, 2), Array(3, 4, 5))
WriteLine UBound(b(1)) & " " & b(1)(2)
On Error Resume Next
x = UBound(grid, 3) : WriteLine Caught
Errs Array("UBound(grid, 0)")
x = UBound("abc") : WriteLine Caught
Errs Array("LBound(Null)", "UBound(dynamic)")
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
