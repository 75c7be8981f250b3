' DatePart: every interval, first day of the week and the three week-one rules.
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
d = #12/16/2026 6:51:03 PM#
' --- intervals
WriteLine DatePart("yyyy", d) & " " & DatePart("q", d) & " " & DatePart("m", d) & " " & DatePart("d", d)
WriteLine DatePart("y", d) & " " & DatePart("w", d) & " " & DatePart("ww", d)
WriteLine DatePart("h", d) & " " & DatePart("n", d) & " " & DatePart("s", d)
WriteLine DatePart("y", #12/31/2024#) & " " & DatePart("y", #12/31/2026#)
WriteLine DatePart("q", #3/31/2026#) & DatePart("q", #4/1/2026#)
WriteLine DatePart("w", d, vbMonday) & " " & DatePart("w", d, vbThursday)
WriteLine TypeName(DatePart("d", d))
' --- week of the year: the week of January 1 (the default)
WriteLine DatePart("ww", #1/1/2026#) & " " & DatePart("ww", #1/3/2026#) & " " & DatePart("ww", #1/4/2026#)
WriteLine DatePart("ww", #12/31/2026#)
WriteLine DatePart("ww", #12/31/2000#)
' --- the first week with four days (weeks from Monday: ISO weeks)
WriteLine (DatePart("ww", #1/1/2021#, vbMonday, vbFirstFourDays)) & " | " & (DatePart("ww", #1/4/2021#, vbMonday, vbFirstFourDays)) & " | " & (DatePart("ww", #12/31/2024#, vbMonday, vbFirstFourDays))
WriteLine DatePart("ww", #12/28/2026#, vbMonday, vbFirstFourDays)
' --- the first full week
WriteLine DatePart("ww", #1/3/2026#, vbSunday, vbFirstFullWeek)
WriteLine DatePart("ww", #1/4/2026#, vbSunday, vbFirstFullWeek)
WriteLine DatePart("ww", #1/4/2026#, vbUseSystemDayOfWeek, vbUseSystem)
' --- Null and errors
WriteLine IsNull(DatePart("d", Null))
On Error Resume Next
x = DatePart("x", d)
WriteLine Err.Number & " " & Err.Description
Err.Clear
Errs Array("DatePart(""ww"", d, 1, 4)", "DatePart(""ww"", d, -1)", "DatePart(Null, d)", _
    "DatePart(""d"", ""nonsense"")")
