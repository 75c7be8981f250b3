' Dates: serials and their parts, DateAdd, DateDiff, DatePart, names, text
' forms and FormatDateTime, the clock.
' Errs lists the error number of each expression, on one line.
Sub Errs(exprs) : Dim e, s : On Error Resume Next : For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next : WriteLine Mid(s, 2) : End Sub
' === DateSerial, TimeSerial, DateValue and TimeValue: rollover of out-of-range parts.
' --- DateSerial
WriteLine (DateSerial(2026, 12, 6)) & " | " & (DateSerial(1990 - 10, 8 - 2, 1 - 1)) & " | " & (DateSerial(2026, 14, 1))
WriteLine (DateSerial(2026, 1, 0)) & " | " & (DateSerial(2026, -1, -1)) & " | " & (DateSerial(2024, 2, 30))
WriteLine (DateSerial(2026, 1, 1000)) & " | " & (DateSerial(99, 12, 31)) & " | " & (DateSerial(2026, 0, 1))
WriteLine VarType(DateSerial(2026, 1, 1))
' serials: no phantom 2/29/1900; 1/1/100 was a Friday; the year 10000 rolls back in
WriteLine CDbl(DateSerial(1899, 12, 30)) & " " & CDbl(DateSerial(1900, 1, 1)) & " " & CDbl(DateSerial(1900, 2, 28)) & " " & CDbl(DateSerial(1900, 3, 1)) & " " & CDbl(DateSerial(2026, 12, 6))
WriteLine Weekday(0) & Weekday(46362) & Weekday(-1) & Weekday(#1/1/100#) & " | " & DateSerial(2026, 0, 0) & " | " & DateSerial(2026, -13, 1) & " | " & DateSerial(2026, 1, -30) & " | " & DateSerial(10000, 1, -5)
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
x = DateSerial(10000, 1, 1) : WriteLine Caught
Errs Array("DateSerial(Null, 1, 1)", "DateSerial(""a"", 1, 1)", "DateValue(""nonsense"")", _
    "TimeValue(""25:00"")")
' each part is an Integer: beyond -32768..32767 is an error even where the date would exist
Errs Array("DateSerial(2000, 1, 32768)", "DateSerial(2000, 40000, 1)", "TimeSerial(0, 0, 32768)", "TimeSerial(0, -32769, 0)", "Year(DateSerial(2000, 1, -32768))")
On Error GoTo 0
' === Year, Month, Day, Hour, Minute, Second and Weekday of dates, numbers and text.
' --- a date literal
d = #12/16/2026 6:51:03 PM#
WriteLine (Year(d) & " " & Month(d) & " " & Day(d)) & " | " & (Hour(d) & " " & Minute(d) & " " & Second(d))
WriteLine Weekday(d) & " " & Weekday(d, vbMonday) & " " & Weekday(d, vbSaturday) & " " & Weekday(d, vbUseSystemDayOfWeek)
WriteLine TypeName(Year(d)) & " " & TypeName(Second(d)) & " " & TypeName(Weekday(d))
' --- text and numbers are read as CDate reads them
WriteLine (Year("December 6, 2026")) & " | " & (Month("6 Dec 2026")) & " | " & (Day("2026-12-06"))
WriteLine (Hour("6:51 PM")) & " | " & (Minute("18:51:03")) & " | " & (Second(0.5 + 1 / 86400))
WriteLine (Year(46362)) & " | " & (Day(-1.25) & " " & Hour(-1.25))
WriteLine Hour(#11:59:59 PM#) & ":" & Minute(#11:59:59 PM#) & ":" & Second(#11:59:59 PM#)
' --- Empty and Null
WriteLine (Year(Empty) & "/" & Month(Empty) & "/" & Day(Empty) & " " & Hour(Empty)) & " | " & Weekday(Empty)
WriteLine IsNull(Year(Null)) & IsNull(Hour(Null)) & IsNull(Weekday(Null))
' --- an object is read through its default property
Class Holder
    Public Default Property Get Value : Value = #12/16/2026 6:51:03 PM# : End Property
End Class
Set h = New Holder
WriteLine Year(h) & " " & Weekday(h) & " " & Second(h)
WriteLine DateAdd("d", 1, h) & " | " & FormatDateTime(h, vbLongDate) & " | " & FormatNumber(h, 3)
' --- errors
On Error Resume Next
Errs Array("Year(""not a date"")", "Hour(""25:00"")")
x = Weekday(d, 8) : WriteLine Caught
Errs Array("Weekday(d, Null)", "Day(3000000)")
On Error GoTo 0
' === DatePart: every interval, first day of the week and the three week-one rules.
d = #12/16/2026 6:51:03 PM#
' --- intervals
WriteLine DatePart("yyyy", d) & " " & DatePart("q", d) & " " & DatePart("m", d) & " " & DatePart("d", d)
WriteLine DatePart("y", d) & " " & DatePart("w", d) & " " & DatePart("ww", d)
WriteLine DatePart("h", d) & " " & DatePart("n", d) & " " & DatePart("s", d)
WriteLine DatePart("y", #12/31/2024#) & " " & DatePart("y", #12/31/2026#)
WriteLine DatePart("q", #3/31/2026#) & DatePart("q", #4/1/2026#)
WriteLine (DatePart("w", d, vbMonday) & " " & DatePart("w", d, vbThursday)) & " | " & TypeName(DatePart("d", d))
' --- week of the year: the week of January 1 (the default)
WriteLine DatePart("ww", #1/1/2026#) & " " & DatePart("ww", #1/3/2026#) & " " & DatePart("ww", #1/4/2026#)
WriteLine DatePart("ww", #12/31/2026#) & " | " & DatePart("ww", #12/31/2000#)
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
x = DatePart("x", d) : WriteLine Caught
Errs Array("DatePart(""ww"", d, 1, 4)", "DatePart(""ww"", d, -1)", "DatePart(Null, d)", _
    "DatePart(""d"", ""nonsense"")")
On Error GoTo 0
' === DateAdd: every interval, month-end clamping, times carried across days.
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
WriteLine DateAdd("s", 1700000000, #1/1/1970#) & " | " & DateAdd("s", 2147483647, #1/1/1970#) & " | " & DateAdd("s", -2147483648, #1/1/2026#)
' --- other argument types
WriteLine (DateAdd("d", 1, "12/6/2026")) & " | " & (DateAdd("d", "2", 46362)) & " | " & (TypeName(DateAdd("d", 1, "12/6/2026")))
WriteLine IsNull(DateAdd("d", 1, Null))
' --- errors
On Error Resume Next
x = DateAdd("x", 1, #12/6/2026#) : WriteLine Caught
Errs Array("DateAdd(""yyyy"", 1, #12/31/9999#)", "DateAdd(""d"", -1, #1/1/100#)", _
    "DateAdd(""d"", ""abc"", #12/6/2026#)", "DateAdd(Null, 1, #12/6/2026#)", _
    "DateAdd(""d"", Null, #12/6/2026#)")
On Error GoTo 0
' === DateDiff: boundaries crossed for every interval, signs, week counting.
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
WriteLine DateDiff("d", "1/1/2026", "December 6, 2026") & " | " & TypeName(DateDiff("d", #1/1/2026#, #1/2/2026#))
WriteLine IsNull(DateDiff("d", Null, #1/1/2026#)) & IsNull(DateDiff("d", #1/1/2026#, Null))
' --- errors
On Error Resume Next
Errs Array("DateDiff(""d"", #1/1/2026#, #1/2/2026#, 9)", _
    "DateDiff(""ww"", #1/1/2026#, #1/2/2026#, 1, 4)", "DateDiff(""dd"", #1/1/2026#, #1/2/2026#)", _
    "DateDiff(""d"", ""soon"", #1/2/2026#)", "DateDiff(""s"", #1/1/100#, #12/31/9999#)")
On Error GoTo 0
' === MonthName and WeekdayName: abbreviations, first day of the week, errors.
' --- MonthName
WriteLine MonthName(1) & " " & MonthName(12, True) & " " & MonthName(9, False)
WriteLine (MonthName("3") & " " & MonthName(5.4)) & " | " & (MonthName(Month(#12/16/2026#), True)) & " | " & (MonthName(10, True) & " " & WeekdayName(2, True))
' --- WeekdayName
WriteLine WeekdayName(1) & " " & WeekdayName(7, True)
WriteLine WeekdayName(1, False, vbMonday) & " " & WeekdayName(7, True, vbMonday)
WriteLine (WeekdayName(3, , vbSaturday)) & " | " & (WeekdayName(Weekday(#12/16/2026#))) & " | " & (WeekdayName(1, , vbUseSystemDayOfWeek))
' --- errors
On Error Resume Next
x = MonthName(0) : WriteLine Caught
Errs Array("MonthName(13)", "MonthName(Null)", "WeekdayName(8)", "WeekdayName(1, False, 8)", _
    "WeekdayName(""x"")")
On Error GoTo 0
' === Dates as text: CStr and & of Dates, CDate and IsDate of text.
' --- Dates shown as text
WriteLine (CStr(#12/6/2026#)) & " | " & ("at " & #6:51:03 PM#) & " | " & (#12/6/2026 6:51:03 PM#)
WriteLine (CDate(0)) & " | " & (CDate(46362.5)) & " | " & (CDate(-1.25))
WriteLine #1/1/100# & " " & #12/31/9999 11:59:59 PM#
' --- text read as dates
WriteLine CDate("12/6/2026") = #12/6/2026#
WriteLine CDate("6:51 PM") & " " & CDate("18:51:03") & " " & CDate("12/6/2026 6:51:03 PM")
WriteLine IsDate("12/6/2026") & IsDate("6:51 PM") & IsDate("2/30/2026") & IsDate("hello") & IsDate("2026")
' the forms CDate reads: a day first when the month cannot be, two-digit
' years 30-99 in the 1900s, a missing day is the 1st, a missing year this year
Sub Dates(texts) ' CDate of each text, or [its error number]
    Dim t, v, s : On Error Resume Next
    For Each t In texts
        Err.Clear : v = CDate(t)
        If Err.Number <> 0 Then v = "[" & Err.Number & "]"
        s = s & " | " & v
    Next
    WriteLine Mid(s, 4)
End Sub
Dates Array("12-6-2026", "12.6.2026", "2026-12-06", "2026/12/6", "december 6 2026", "6 Dec 2026", "6-Dec-2026")
Dates Array("Dec 6, 2026", "Sept 6, 2026", "2026 Dec 6", "Dec 2026", "Wednesday, December 16, 2026", "  12/6/2026  ")
Dates Array("1/1/29", "1/1/30", "1/1/00", "1/1/100", "12/31/9999", "2/29/2024")
Dates Array("13/12/2026", "31/1/2026", "12/2026", "1/35")
Dates Array("6:51PM", "6:51 pm", "6 PM", "12:00 AM", "12:30 PM", "0:00")
Dates Array("6:51:03 PM 12/6/2026", "December 6, 2026 6:51 AM", "December 6, 2026, 6:51 AM")
WriteLine (Month("12/6") & " " & Day("Dec 6")) & " " & (Year("12/6") = Year(Date)) & " " & CDbl(CDate("1/1/100 12:00 PM"))
' and text it refuses
s = ""
For Each t In Array("   ", "12", "13/13/2026", "1/1/10000", "0/0/2026", "12//6/2026", "-1/2/2026", "12/6/2026/", "12/6/2026-", ",12/6/2026", "12:60", "18:51 PM", "13:00 AM", _
        "12/6/2026 24:00", "6:51 PM 7:00 PM", "1/2/3/4", "Dec Jan 6", "12/6/2026 x", "PM", "6:", ":30", "1e5", "$12/6/2026", "Decembre 6, 2026", "12:00:00:00", "99999999999/1/1", "12/6/2026" & ChrW(&HE9))
    s = s & " " & IsDate(t)
Next
WriteLine Mid(s, 2)
' === FormatDateTime: the five named formats, text and numbers, errors.
d = #12/16/2026 6:51:03 PM#
WriteLine (FormatDateTime(d)) & " | " & (FormatDateTime(d, vbGeneralDate)) & " | " & (FormatDateTime(#12/16/2026#, vbLongDate))
WriteLine (FormatDateTime(d, vbShortDate)) & " | " & (FormatDateTime(d, vbLongTime)) & " | " & (FormatDateTime(d, vbShortTime))
WriteLine (FormatDateTime(#12/16/2026#)) & " | " & (FormatDateTime(#6:05:00 AM#, vbShortTime)) & " | " & (FormatDateTime(#6:05:00 AM#))
WriteLine (FormatDateTime(0, vbLongTime)) & " | " & (FormatDateTime(0, vbLongDate)) & " | " & (FormatDateTime("December 6, 2026", 1))
WriteLine (FormatDateTime(46362)) & " | " & (FormatDateTime(#1/1/100#, vbLongDate)) & " | " & (TypeName(FormatDateTime(d)))
' --- errors
On Error Resume Next
x = FormatDateTime(d, 5) : WriteLine Caught
Errs Array("FormatDateTime(""x"")", "FormatDateTime(Null)", "FormatDateTime(d, Null)")
On Error GoTo 0
' === Now, Date, Time and Timer: their subtypes and how they agree with each other.
WriteLine VarType(Now) & " " & VarType(Date) & " " & VarType(Time) & " " & VarType(Timer)
WriteLine (IsDate(Now) & IsDate(Date) & IsDate(Time)) & " | " & (Int(CDbl(Date)) = CDbl(Date)) & " | " & (CDbl(Time) >= 0 And CDbl(Time) < 1)
WriteLine (Timer >= 0 And Timer < 86400) & " | " & (Year(Now) >= 2026) & " | " & (Abs(DateDiff("s", Date + Time, Now)) <= 1)
WriteLine Abs(Timer - (Hour(Time) * 3600 + Minute(Time) * 60 + Second(Time))) < 2
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
