' DateAdd: every interval, month-end clamping, times carried across days.
' --- months, quarters and years clamp to the month's end
WriteLine DateAdd("m", 1, #1/31/2026#)
WriteLine DateAdd("m", 1, #1/31/2024#)
WriteLine DateAdd("yyyy", 1, #2/29/2024#)
WriteLine DateAdd("q", 1, #11/30/2026#)
WriteLine DateAdd("m", -1, #3/31/2026#)
WriteLine DateAdd("m", 14, #12/6/2026#)
WriteLine DateAdd("M", 1, #1/31/2026 6:00:00 PM#)
WriteLine DateAdd("m", 1, "31-Jan-95")
' --- days and weeks
WriteLine DateAdd("d", 30, #12/6/2026#)
WriteLine DateAdd("y", -1, #1/1/2026#)
WriteLine DateAdd("w", 3, #12/6/2026#)
WriteLine DateAdd("ww", 1, #12/6/2026#)
WriteLine DateAdd("d", 1.6, #12/6/2026#)
' --- hours, minutes, seconds
WriteLine DateAdd("h", 25, #12/6/2026#)
WriteLine DateAdd("n", 90, #12/6/2026 11:00:00 PM#)
WriteLine DateAdd("s", -1, #12/6/2026#)
WriteLine DateAdd("h", -6, #12/30/1899#)
' --- other argument types
WriteLine DateAdd("d", 1, "12/6/2026")
WriteLine DateAdd("d", "2", 46362)
WriteLine TypeName(DateAdd("d", 1, "12/6/2026"))
WriteLine IsNull(DateAdd("d", 1, Null))
' --- errors
On Error Resume Next
x = DateAdd("x", 1, #12/6/2026#)
WriteLine Err.Number & " " & Err.Description
Err.Clear
x = DateAdd("yyyy", 1, #12/31/9999#)
WriteLine Err.Number
Err.Clear
x = DateAdd("d", -1, #1/1/100#)
WriteLine Err.Number
Err.Clear
x = DateAdd("d", "abc", #12/6/2026#)
WriteLine Err.Number
Err.Clear
x = DateAdd(Null, 1, #12/6/2026#)
WriteLine Err.Number
Err.Clear
x = DateAdd("d", Null, #12/6/2026#)
WriteLine Err.Number
Err.Clear
