' TypeName, VarType, the Is* tests, Array, UBound and LBound.
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
Dim fixed(3), grid(2, 5), dynamic()
' --- TypeName and VarType
WriteLine TypeName(Empty) & " " & TypeName(Null) & " " & TypeName(1) & " " & TypeName(100000)
WriteLine TypeName(1.5) & " " & TypeName(CSng(1)) & " " & TypeName(CCur(1)) & " " & TypeName(#1/1/2000#)
WriteLine TypeName("a") & " " & TypeName(True) & " " & TypeName(CByte(1)) & " " & TypeName(fixed)
WriteLine TypeName(Nothing) & " " & TypeName(Array())
WriteLine VarType(Empty) & " " & VarType(Null) & " " & VarType(1) & " " & VarType(100000) & " " & VarType(1.5)
WriteLine VarType(CSng(1)) & " " & VarType(CCur(1)) & " " & VarType(Now) & " " & VarType("a") & " " & VarType(Nothing)
WriteLine VarType(True) & " " & VarType(CByte(1)) & " " & VarType(fixed) & " " & VarType(Array(1))
WriteLine TypeName(VarType(1))
WriteLine VarType(fixed) = vbArray + vbVariant
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
x = UBound(grid, 3)
WriteLine Err.Number & " " & Err.Description
Err.Clear
Errs Array("UBound(grid, 0)")
x = UBound("abc")
WriteLine Err.Number & " " & Err.Description
Err.Clear
Errs Array("LBound(Null)", "UBound(dynamic)")
