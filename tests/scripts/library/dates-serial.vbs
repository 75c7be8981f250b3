' DateSerial, TimeSerial, DateValue and TimeValue: rollover of out-of-range parts.
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
' --- DateSerial
WriteLine (DateSerial(2026, 12, 6)) & " | " & (DateSerial(1990 - 10, 8 - 2, 1 - 1)) & " | " & (DateSerial(2026, 14, 1))
WriteLine (DateSerial(2026, 1, 0)) & " | " & (DateSerial(2026, -1, -1)) & " | " & (DateSerial(2024, 2, 30))
WriteLine (DateSerial(2026, 1, 1000)) & " | " & (DateSerial(99, 12, 31)) & " | " & (DateSerial(2026, 0, 1))
WriteLine VarType(DateSerial(2026, 1, 1))
' --- TimeSerial
WriteLine (TimeSerial(18, 51, 3)) & " | " & (TimeSerial(12 - 6, -15, 0)) & " | " & (TimeSerial(0, 90, 0))
WriteLine (TimeSerial(0, 0, 0)) & " | " & (TimeSerial(0, 0, 3661)) & " | " & (TimeSerial(24, 0, 0))
WriteLine (CDbl(TimeSerial(6, 0, 0))) & " | " & (VarType(TimeSerial(1, 2, 3)))
' --- DateValue and TimeValue
WriteLine (DateValue("December 6, 2026")) & " | " & (DateValue("12/6/2026 6:51:03 PM")) & " | " & (DateValue(#12/6/2026 6:51:03 PM#))
WriteLine (TimeValue("6:51:03 PM")) & " | " & (TimeValue("12/6/2026 18:51")) & " | " & (CDbl(TimeValue("6:00 AM")))
WriteLine TypeName(DateValue("1/1/2026")) & " " & TypeName(TimeValue("1:00"))
WriteLine IsNull(DateValue(Null)) & IsNull(TimeValue(Null))
' --- errors
On Error Resume Next
x = DateSerial(10000, 1, 1)
WriteLine Err.Number & " " & Err.Description
Err.Clear
Errs Array("DateSerial(Null, 1, 1)", "DateSerial(""a"", 1, 1)", "DateValue(""nonsense"")", _
    "TimeValue(""25:00"")")
