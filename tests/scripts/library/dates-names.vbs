' MonthName and WeekdayName: abbreviations, first day of the week, errors.
' --- MonthName
WriteLine MonthName(1) & " " & MonthName(12, True) & " " & MonthName(9, False)
WriteLine MonthName("3") & " " & MonthName(5.4)
WriteLine MonthName(Month(#12/16/2026#), True)
WriteLine MonthName(10, True) & " " & WeekdayName(2, True)
' --- WeekdayName
WriteLine WeekdayName(1) & " " & WeekdayName(7, True)
WriteLine WeekdayName(1, False, vbMonday) & " " & WeekdayName(7, True, vbMonday)
WriteLine WeekdayName(3, , vbSaturday)
WriteLine WeekdayName(Weekday(#12/16/2026#))
WriteLine WeekdayName(1, , vbUseSystemDayOfWeek)
' --- errors
On Error Resume Next
x = MonthName(0)
WriteLine Err.Number & " " & Err.Description
Err.Clear
x = MonthName(13)
WriteLine Err.Number
Err.Clear
x = MonthName(Null)
WriteLine Err.Number
Err.Clear
x = WeekdayName(8)
WriteLine Err.Number
Err.Clear
x = WeekdayName(1, False, 8)
WriteLine Err.Number
Err.Clear
x = WeekdayName("x")
WriteLine Err.Number
Err.Clear
