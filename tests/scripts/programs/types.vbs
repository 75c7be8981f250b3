' VarType and TypeName of every subtype, IsX predicates, and CStr of numbers.
Dim values, names, i, v, o
Set o = CreateObject("Scripting.Dictionary")
values = Array(Empty, Null, True, CByte(1), CInt(1), CLng(1), CSng(1), CDbl(1), CCur(1), #1/1/2000#, "s", o, Nothing, Array(1))
For i = 0 To UBound(values)
    WriteLine TypeName(values(i)) & " " & VarType(values(i))
Next
Class Thing
End Class
WriteLine TypeName(New Thing) & " " & VarType(New Thing)
Dim unset
WriteLine TypeName(unset) & " " & IsEmpty(unset) & " " & IsNull(unset) & " " & IsObject(unset) & " " & IsArray(unset)
' --- literal subtypes
WriteLine TypeName(1) & " " & TypeName(40000) & " " & TypeName(3000000000) & " " & TypeName(1.0) & " " & TypeName(&H7FFFFFFF) & " " & TypeName(&H8000&)
WriteLine TypeName(1E3) & " " & TypeName("") & " " & TypeName(#12:00#) & " " & TypeName(vbCrLf) & " " & TypeName(vbObjectError)
' --- IsNumeric and IsDate
WriteLine IsNumeric("12") & IsNumeric(" 12 ") & IsNumeric("1e5") & IsNumeric("&H10") & IsNumeric("-.5")
WriteLine IsNumeric("abc") & IsNumeric("") & IsNumeric(Empty) & IsNumeric(Null) & IsNumeric(True) & IsNumeric(#1/1/2000#)
WriteLine IsDate("1/2/2003") & IsDate("nope") & IsDate(#1/1/2000#) & IsDate("2003-01-02")
' --- CStr of doubles: up to 15 significant digits, exponent form outside its range
WriteLine CStr(0.1 + 0.2) & " " & CStr(1 / 3) & " " & CStr(2 / 3) & " " & CStr(1E+20) & " " & CStr(1E-05) & " " & CStr(0.0001)
WriteLine CStr(123456789012345) & " " & CStr(1234567890123456) & " " & CStr(1E15) & " " & CStr(-1.5E-10) & " " & CStr(100000 * 100000)
WriteLine CStr(CSng(0.1)) & " " & CStr(CCur(1) / 3) & " " & CStr(CCur("123.45678")) & " " & CStr(2.5E+15)
WriteLine CStr(True) & " " & CStr(False) & " " & CStr(#1/2/2003#) & " " & CStr(#1/2/2003 13:04:05#) & " " & CStr(#13:04:05#)
' --- conversions round half to even
WriteLine CInt(2.5) & " " & CInt(3.5) & " " & CInt(-2.5) & " " & CLng(1.5) & " " & CByte(0.5) & " " & Round(2.5) & " " & Round(-1.5)
WriteLine Int(-2.5) & " " & Fix(-2.5) & " " & Int(2.9) & " " & CInt("  7 ") & " " & CDbl("1.5e2") & " " & CLng("&HFF") & " " & CInt(True)
' --- conversion errors
On Error Resume Next
v = CInt(32768)
WriteLine "CInt(32768): " & Err.Number & " " & Err.Description
Err.Clear
v = CByte(-1)
WriteLine "CByte(-1): " & Err.Number
Err.Clear
v = CLng(Null)
WriteLine "CLng(Null): " & Err.Number & " " & Err.Description
Err.Clear
v = CDbl("")
WriteLine "CDbl(""""): " & Err.Number
Err.Clear
v = CStr(Null)
WriteLine "CStr(Null): " & Err.Number
Err.Clear
v = CBool("maybe")
WriteLine "CBool(""maybe""): " & Err.Number
Err.Clear
On Error GoTo 0
' --- VarType constants
WriteLine vbEmpty & vbNull & vbInteger & vbLong & vbSingle & vbDouble & vbCurrency & vbDate & vbString & vbObject & vbError & vbBoolean & vbVariant & vbDataObject & vbByte & " " & vbArray
