' MonthName and WeekdayName: abbreviations, first day of the week, errors.
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
' --- MonthName
WriteLine MonthName(1) & " " & MonthName(12, True) & " " & MonthName(9, False)
WriteLine (MonthName("3") & " " & MonthName(5.4)) & " | " & (MonthName(Month(#12/16/2026#), True)) & " | " & (MonthName(10, True) & " " & WeekdayName(2, True))
' --- WeekdayName
WriteLine WeekdayName(1) & " " & WeekdayName(7, True)
WriteLine WeekdayName(1, False, vbMonday) & " " & WeekdayName(7, True, vbMonday)
WriteLine (WeekdayName(3, , vbSaturday)) & " | " & (WeekdayName(Weekday(#12/16/2026#))) & " | " & (WeekdayName(1, , vbUseSystemDayOfWeek))
' --- errors
On Error Resume Next
x = MonthName(0)
WriteLine Err.Number & " " & Err.Description
Err.Clear
Errs Array("MonthName(13)", "MonthName(Null)", "WeekdayName(8)", "WeekdayName(1, False, 8)", _
    "WeekdayName(""x"")")
