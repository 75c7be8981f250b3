' DateAdd: every interval, month-end clamping, times carried across days.
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
' --- months, quarters and years clamp to the month's end
WriteLine (DateAdd("m", 1, #1/31/2026#)) & " | " & (DateAdd("m", 1, #1/31/2024#)) & " | " & (DateAdd("yyyy", 1, #2/29/2024#))
WriteLine (DateAdd("q", 1, #11/30/2026#)) & " | " & (DateAdd("m", -1, #3/31/2026#)) & " | " & (DateAdd("m", 14, #12/6/2026#))
WriteLine (DateAdd("M", 1, #1/31/2026 6:00:00 PM#)) & " | " & (DateAdd("m", 1, "31-Jan-95"))
' --- days and weeks
WriteLine (DateAdd("d", 30, #12/6/2026#)) & " | " & (DateAdd("y", -1, #1/1/2026#)) & " | " & (DateAdd("w", 3, #12/6/2026#))
WriteLine (DateAdd("ww", 1, #12/6/2026#)) & " | " & (DateAdd("d", 1.6, #12/6/2026#))
' --- hours, minutes, seconds
WriteLine (DateAdd("h", 25, #12/6/2026#)) & " | " & (DateAdd("n", 90, #12/6/2026 11:00:00 PM#)) & " | " & (DateAdd("s", -1, #12/6/2026#))
WriteLine DateAdd("h", -6, #12/30/1899#)
' --- other argument types
WriteLine (DateAdd("d", 1, "12/6/2026")) & " | " & (DateAdd("d", "2", 46362)) & " | " & (TypeName(DateAdd("d", 1, "12/6/2026")))
WriteLine IsNull(DateAdd("d", 1, Null))
' --- errors
On Error Resume Next
x = DateAdd("x", 1, #12/6/2026#)
WriteLine Err.Number & " " & Err.Description
Err.Clear
Errs Array("DateAdd(""yyyy"", 1, #12/31/9999#)", "DateAdd(""d"", -1, #1/1/100#)", _
    "DateAdd(""d"", ""abc"", #12/6/2026#)", "DateAdd(Null, 1, #12/6/2026#)", _
    "DateAdd(""d"", Null, #12/6/2026#)")
