' FormatNumber, FormatCurrency and FormatPercent: digits, the tristate options, rounding.
' Errs lists the error number of each expression, on one line.
Sub Errs(exprs) : Dim e, s : On Error Resume Next : For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next : WriteLine Mid(s, 2) : End Sub
' --- FormatNumber
WriteLine FormatNumber(1234567.891, 2) & " | " & FormatNumber(1234567.891)
WriteLine FormatNumber(1234.5) & " " & FormatNumber(0.5) & " " & FormatNumber(-1234.5)
WriteLine FormatNumber(0.5, , vbFalse) & " " & FormatNumber(0.5, , vbTrue) & " " & FormatNumber(0.5, , vbUseDefault)
WriteLine FormatNumber(-1234.5, , , vbTrue) & " " & FormatNumber(-1234.5, , , vbFalse)
WriteLine FormatNumber(1234.5, , , , vbFalse) & " " & FormatNumber(1234.5, , , , vbTrue)
WriteLine FormatNumber(12345, -1) & " " & FormatNumber(12345, 0) & " " & FormatNumber(1 / 3, 6)
WriteLine FormatNumber("1234.5", 1) & " " & FormatNumber(Empty) & " " & FormatNumber(True)
WriteLine FormatNumber(-0.25, 2, vbFalse, vbTrue) & " | " & TypeName(FormatNumber(1))
' --- rounding: half away from zero
WriteLine FormatNumber(2.5, 0) & " " & FormatNumber(3.5, 0) & " " & FormatNumber(-2.5, 0)
WriteLine FormatNumber(1.005, 2) & " " & FormatNumber(2.675, 2) & " " & FormatNumber(999.995, 2)
WriteLine FormatNumber(0.004, 2) & " " & FormatNumber(1E+15, 0)
WriteLine FormatNumber(0.00005, 4) & " " & FormatNumber(0.00004, 4) & " " & FormatNumber(1E-20, 2)
WriteLine FormatNumber(123456789012345678, 0) & " " & FormatNumber(100, 5)
' --- FormatCurrency
WriteLine FormatCurrency(1234.5) & " " & FormatCurrency(-1234.5)
WriteLine FormatCurrency(-1234.5, , , vbFalse) & " " & FormatCurrency(-1234.5, , , vbTrue)
WriteLine FormatCurrency(0.256, 1, vbFalse) & " " & FormatCurrency(1000000, 0)
WriteLine FormatCurrency(CCur(12.345)) & " " & FormatCurrency(1234.5, 2, , , vbFalse)
WriteLine FormatCurrency(CCur("922337203685477.5807")) & " " & FormatCurrency(CCur("-0.005"))
WriteLine FormatNumber(CCur("922337203685477.5807"), 4) & " " & FormatPercent(CCur("0.1234"), 3)
' --- FormatPercent
WriteLine FormatPercent(0.125) & " " & FormatPercent(0.125, 1) & " " & FormatPercent(12.3456)
WriteLine FormatPercent(-0.5, 0) & " " & FormatPercent(-0.5, 0, , vbTrue)
WriteLine (FormatPercent(0.001, 2, vbFalse) & " " & FormatPercent(1)) & " | " & FormatPercent(2 / 32)
' --- errors
On Error Resume Next
x = FormatNumber("abc") : WriteLine Caught
Errs Array("FormatNumber(Null)", "FormatCurrency(1, -2)", "FormatPercent(1, Null)")
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
