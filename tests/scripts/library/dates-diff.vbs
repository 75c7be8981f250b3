' DateDiff: boundaries crossed for every interval, signs, week counting.
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
' --- calendar intervals
WriteLine (DateDiff("d", #1/1/2026#, #12/6/2026#)) & " | " & (DateDiff("d", #12/6/2026#, #1/1/2026#)) & " | " & (DateDiff("y", #1/1/2026#, #1/1/2027#))
WriteLine (DateDiff("yyyy", #12/31/2026#, #1/1/2027#)) & " | " & (DateDiff("yyyy", #1/1/2026#, #12/31/2026#)) & " | " & (DateDiff("m", #1/31/2026#, #2/1/2026#))
WriteLine (DateDiff("m", #12/6/2026#, #1/6/2025#)) & " | " & (DateDiff("q", #1/1/2026#, #12/31/2026#)) & " | " & (DateDiff("q", #3/31/2026#, #4/1/2026#))
' --- times: boundaries, not elapsed hours
WriteLine DateDiff("h", #12/6/2026 1:59:00 AM#, #12/6/2026 2:01:00 AM#)
WriteLine DateDiff("h", #12/6/2026 1:00:00 AM#, #12/6/2026 1:59:00 AM#)
WriteLine DateDiff("n", #12/6/2026 1:00:00 AM#, #12/6/2026 2:30:00 AM#)
WriteLine DateDiff("s", #12/6/2026#, #12/7/2026#)
WriteLine DateDiff("d", #12/6/2026 11:00:00 PM#, #12/7/2026 1:00:00 AM#)
WriteLine DateDiff("s", #12/29/1899 12:00:00 PM#, #12/30/1899 12:00:00 PM#)
' --- weeks: "w" whole weeks, "ww" first days of the week passed
WriteLine (DateDiff("w", #12/6/2026#, #12/19/2026#)) & " | " & (DateDiff("w", #12/6/2026#, #12/20/2026#)) & " | " & (DateDiff("w", #12/20/2026#, #12/6/2026#))
WriteLine (DateDiff("ww", #12/6/2026#, #12/19/2026#)) & " | " & (DateDiff("ww", #12/5/2026#, #12/6/2026#)) & " | " & (DateDiff("ww", #12/6/2026#, #12/12/2026#))
WriteLine DateDiff("ww", #12/6/2026#, #12/7/2026#, vbMonday)
WriteLine DateDiff("ww", #12/6/2026#, #12/7/2026#, vbMonday, vbFirstFourDays)
' --- other argument types
WriteLine DateDiff("d", "1/1/2026", "December 6, 2026")
WriteLine TypeName(DateDiff("d", #1/1/2026#, #1/2/2026#))
WriteLine IsNull(DateDiff("d", Null, #1/1/2026#)) & IsNull(DateDiff("d", #1/1/2026#, Null))
' --- errors
On Error Resume Next
Errs Array("DateDiff(""d"", #1/1/2026#, #1/2/2026#, 9)", _
    "DateDiff(""ww"", #1/1/2026#, #1/2/2026#, 1, 4)", "DateDiff(""dd"", #1/1/2026#, #1/2/2026#)", _
    "DateDiff(""d"", ""soon"", #1/2/2026#)", "DateDiff(""s"", #1/1/100#, #12/31/9999#)")
