' The conversion functions as tables: each case shows its result's subtype
' and value ("Integer 4"), or [its error number].
Sub Show(exprs) ' each expression's subtype and value, or [its error number]
    Dim e, v, s : On Error Resume Next
    For Each e In exprs
        Err.Clear : v = Eval(e) : v = Trim(TypeName(v) & " " & v)
        If Err.Number <> 0 Then v = "[" & Err.Number & "]"
        s = s & "; " & v
    Next
    WriteLine Mid(s, 3)
End Sub
' --- CInt, CLng, CByte round half to even and overflow with 6
Show Array("CInt(3.5)", "CInt(2.5000001)", "CInt(1.5)", "CInt(-0.5)", "CInt(-0.6)", "CInt(32766.5)", "CInt(-32768.5)")
Show Array("CInt(CLng(40000))", "CInt(CCur(2.5))", "CInt(True)", "CInt(Empty)", "CInt(Null)")
Show Array("CLng(2147483647.5)", "CLng(-2147483648.5)", "CLng(1E10)", "CLng(CDate(1.5))", "CByte(254.5)", "CByte(255.5)", "CByte(-0.5)")
' --- numeric text: blanks, &H/&O, thousands separators, exponents
Show Array("CInt(""  12  "")", "CInt(""&H1F"")", "CInt(""&o17"")", "CInt(""1e3"")", "CInt(""-1.5"")", "CLng(""1,000"")", "CLng(""&H10000"")")
Show Array("CDbl(""1,000.5"")", "CDbl("".5"")", "CDbl(""5."")", "CDbl(""+3"")", "CDbl(vbTab & ""-2.5E-2"" & vbCrLf)", "CDbl(""1e400"")")
Show Array("CDbl("""")", "CDbl(""   "")", "CDbl(""1e"")", "CDbl(""- 3"")", "CDbl(""."")", "CDbl("",5"")", "CDbl(""1.2.3"")")
Show Array("CDbl(""&H"")", "CDbl(""&HG"")", "CDbl(""12abc"")", "CDbl(""True"")", "CSng(""1e39"")", "CSng(1E39)", "CSng(0.1)")
' --- CCur: four decimals, half to even, the full 64-bit range
Show Array("CCur(""1.23456"")", "CCur(""1.23455"")", "CCur(""1.23465"")", "CCur(""1.234650001"")", "CCur(""0.00005"")")
Show Array("CCur(1E15)", "CCur(123456789.1234)", "CCur(""922337203685477.5807"")", "CCur(""-922337203685477.5808"")", "CCur(""922337203685477.5808"")")
Show Array("CCur(""-1,234.5e-2"")", "CCur(""0.000000001e9"")", "CCur(""1e20"")", "CCur(""1e-99999999"")", "CCur(""&H10"")")
' --- CBool and CDate
Show Array("CBool(""FALSE"")", "CBool(""0"")", "CBool(""-0.5"")", "CBool(""yes"")", "CBool(0.0)", "CBool(CCur(0.0001))", "CDbl(True)")
Show Array("CDate(2)", "CDate(True)", "CDate(1E10)", "CDate(Null)", "CDate(""1/2/2000"")")
' --- CStr: 15 digits for Double, 7 for Single, 4 decimals for Currency;
' exponent form outside 1E-4 .. 1E15 (1E7 for Single)
Show Array("CStr(100)", "CStr(-CDbl(0))", "CStr(0.1 + 0.2)", "CStr(2 / 3)", "CStr(123456789012345)", "CStr(999999999999999)")
Show Array("CStr(1E15)", "CStr(9999999999999999)", "CStr(1234567890123456)", "CStr(1E100)", "CStr(1.7976931348623157E308)")
Show Array("CStr(0.0001)", "CStr(0.00012345)", "CStr(-1.5E-7)", "CStr(4.94065645841247E-324)")
Show Array("CStr(CSng(1 / 3))", "CStr(CSng(1234567))", "CStr(CSng(16777216))", "CStr(CSng(0.1))", "CStr(CCur(12.5))", "CStr(CCur(-0.0001))")
Show Array("CStr(CByte(255))", "CStr(CInt(-32768))", "CStr(CLng(""-2147483648""))", "CStr(Array(1))")
