' Year, Month, Day, Hour, Minute, Second and Weekday of dates, numbers and text.
' --- a date literal
d = #12/16/2026 6:51:03 PM#
WriteLine Year(d) & " " & Month(d) & " " & Day(d)
WriteLine Hour(d) & " " & Minute(d) & " " & Second(d)
WriteLine Weekday(d) & " " & Weekday(d, vbMonday) & " " & Weekday(d, vbSaturday) & " " & Weekday(d, vbUseSystemDayOfWeek)
WriteLine TypeName(Year(d)) & " " & TypeName(Second(d)) & " " & TypeName(Weekday(d))
' --- text and numbers are read as CDate reads them
WriteLine Year("December 6, 2026")
WriteLine Month("6 Dec 2026")
WriteLine Day("2026-12-06")
WriteLine Hour("6:51 PM")
WriteLine Minute("18:51:03")
WriteLine Second(0.5 + 1 / 86400)
WriteLine Year(46362)
WriteLine Day(-1.25) & " " & Hour(-1.25)
WriteLine Hour(#11:59:59 PM#) & ":" & Minute(#11:59:59 PM#) & ":" & Second(#11:59:59 PM#)
' --- Empty and Null
WriteLine Year(Empty) & "/" & Month(Empty) & "/" & Day(Empty) & " " & Hour(Empty)
WriteLine Weekday(Empty)
WriteLine IsNull(Year(Null)) & IsNull(Hour(Null)) & IsNull(Weekday(Null))
' --- an object is read through its default property
Class Holder
    Public Default Property Get Value
        Value = #12/16/2026 6:51:03 PM#
    End Property
End Class
Set h = New Holder
WriteLine Year(h) & " " & Weekday(h) & " " & Second(h)
WriteLine DateAdd("d", 1, h) & " | " & FormatDateTime(h, vbLongDate) & " | " & FormatNumber(h, 3)
' --- errors
On Error Resume Next
x = Year("not a date")
WriteLine Err.Number
Err.Clear
x = Hour("25:00")
WriteLine Err.Number
Err.Clear
x = Weekday(d, 8)
WriteLine Err.Number & " " & Err.Description
Err.Clear
x = Weekday(d, Null)
WriteLine Err.Number
Err.Clear
x = Day(3000000)
WriteLine Err.Number
Err.Clear
