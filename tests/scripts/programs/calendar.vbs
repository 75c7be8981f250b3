' A month calendar and a meeting planner: DateSerial, Weekday, DateAdd, DateDiff, DatePart.
Sub PrintMonth(y, m)
    Dim first, days, d, line, col
    first = DateSerial(y, m, 1)
    days = Day(DateSerial(y, m + 1, 0))
    WriteLine Space((20 - Len(MonthName(m) & " " & y)) \ 2) & MonthName(m) & " " & y
    line = ""
    For col = vbSunday To vbSaturday
        line = line & Left(WeekdayName(col, True), 2) & " "
    Next
    WriteLine RTrim(line)
    line = Space((Weekday(first) - 1) * 3)
    For d = 1 To days
        line = line & Right(" " & d, 2) & " "
        If Weekday(DateSerial(y, m, d)) = vbSaturday Then
            WriteLine RTrim(line)
            line = ""
        End If
    Next
    If line <> "" Then WriteLine RTrim(line)
End Sub
PrintMonth 2026, 2
PrintMonth 2024, 2

' --- the n-th weekday of a month, e.g. US Thanksgiving (fourth Thursday of November)
Function NthWeekday(y, m, wd, n)
    Dim d
    d = DateSerial(y, m, 1)
    d = d + ((wd - Weekday(d) + 7) Mod 7) + (n - 1) * 7
    NthWeekday = d
End Function
Dim y
For y = 2024 To 2027
    WriteLine "Thanksgiving " & y & ": " & FormatDateTime(NthWeekday(y, 11, vbThursday, 4), vbLongDate)
Next

' --- last business day of each quarter
Function LastBusinessDay(y, q)
    Dim d
    d = DateSerial(y, q * 3 + 1, 0)
    Do While Weekday(d, vbMonday) > 5
        d = d - 1
    Loop
    LastBusinessDay = d
End Function
Dim q
For q = 1 To 4
    WriteLine "Q" & q & " 2026 ends " & LastBusinessDay(2026, q) & " (" & WeekdayName(Weekday(LastBusinessDay(2026, q))) & ")"
Next

' --- ages and durations
Dim born, today
born = #7/20/1969#
today = #12/6/2026#
Dim age
age = DateDiff("yyyy", born, today)
If DateSerial(Year(today), Month(born), Day(born)) > today Then age = age - 1
WriteLine "age " & age & ", days " & DateDiff("d", born, today) & ", weeks " & DateDiff("w", born, today)
WriteLine "next birthday in " & DateDiff("d", today, DateSerial(Year(today) + 1, Month(born), Day(born))) & " days"
WriteLine DateDiff("h", #12/6/2026 8:00:00 AM#, #12/7/2026 9:30:00 AM#) & " hours, " & DateDiff("n", #8:00:00 AM#, #9:30:00 AM#) & " minutes, " & DateDiff("s", #0:00:00#, #0:01:01#) & " seconds"
WriteLine DatePart("yyyy", today) & " Q" & DatePart("q", today) & " day " & DatePart("y", today) & " week " & DatePart("ww", today) & " weekday " & DatePart("w", today)

' --- meeting slots every 90 minutes, skipping lunch
Dim slot, stopAt
slot = #12/7/2026 9:00:00 AM#
stopAt = #12/7/2026 5:00:00 PM#
Do While slot < stopAt
    If Hour(slot) <> 12 Then WriteLine FormatDateTime(slot, vbShortTime) & "-" & FormatDateTime(DateAdd("n", 90, slot), vbShortTime)
    slot = DateAdd("n", 90, slot)
Loop
