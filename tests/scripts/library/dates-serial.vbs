' DateSerial, TimeSerial, DateValue and TimeValue: rollover of out-of-range parts.
' --- DateSerial
WriteLine DateSerial(2026, 12, 6)
WriteLine DateSerial(1990 - 10, 8 - 2, 1 - 1)
WriteLine DateSerial(2026, 14, 1)
WriteLine DateSerial(2026, 1, 0)
WriteLine DateSerial(2026, -1, -1)
WriteLine DateSerial(2024, 2, 30)
WriteLine DateSerial(2026, 1, 1000)
WriteLine DateSerial(99, 12, 31)
WriteLine DateSerial(2026, 0, 1)
WriteLine VarType(DateSerial(2026, 1, 1))
' --- TimeSerial
WriteLine TimeSerial(18, 51, 3)
WriteLine TimeSerial(12 - 6, -15, 0)
WriteLine TimeSerial(0, 90, 0)
WriteLine TimeSerial(0, 0, 0)
WriteLine TimeSerial(0, 0, 3661)
WriteLine TimeSerial(24, 0, 0)
WriteLine CDbl(TimeSerial(6, 0, 0))
WriteLine VarType(TimeSerial(1, 2, 3))
' --- DateValue and TimeValue
WriteLine DateValue("December 6, 2026")
WriteLine DateValue("12/6/2026 6:51:03 PM")
WriteLine DateValue(#12/6/2026 6:51:03 PM#)
WriteLine TimeValue("6:51:03 PM")
WriteLine TimeValue("12/6/2026 18:51")
WriteLine CDbl(TimeValue("6:00 AM"))
WriteLine TypeName(DateValue("1/1/2026")) & " " & TypeName(TimeValue("1:00"))
WriteLine IsNull(DateValue(Null)) & IsNull(TimeValue(Null))
' --- errors
On Error Resume Next
x = DateSerial(10000, 1, 1)
WriteLine Err.Number & " " & Err.Description
Err.Clear
x = DateSerial(Null, 1, 1)
WriteLine Err.Number
Err.Clear
x = DateSerial("a", 1, 1)
WriteLine Err.Number
Err.Clear
x = DateValue("nonsense")
WriteLine Err.Number
Err.Clear
x = TimeValue("25:00")
WriteLine Err.Number
Err.Clear
