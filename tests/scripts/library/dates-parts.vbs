' Year, Month, Day, Hour, Minute, Second and Weekday of dates, numbers and text.
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
' --- a date literal
d = #12/16/2026 6:51:03 PM#
WriteLine Year(d) & " " & Month(d) & " " & Day(d)
WriteLine Hour(d) & " " & Minute(d) & " " & Second(d)
WriteLine Weekday(d) & " " & Weekday(d, vbMonday) & " " & Weekday(d, vbSaturday) & " " & Weekday(d, vbUseSystemDayOfWeek)
WriteLine TypeName(Year(d)) & " " & TypeName(Second(d)) & " " & TypeName(Weekday(d))
' --- text and numbers are read as CDate reads them
WriteLine (Year("December 6, 2026")) & " | " & (Month("6 Dec 2026")) & " | " & (Day("2026-12-06"))
WriteLine (Hour("6:51 PM")) & " | " & (Minute("18:51:03")) & " | " & (Second(0.5 + 1 / 86400))
WriteLine (Year(46362)) & " | " & (Day(-1.25) & " " & Hour(-1.25))
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
Errs Array("Year(""not a date"")", "Hour(""25:00"")")
x = Weekday(d, 8)
WriteLine Err.Number & " " & Err.Description
Err.Clear
Errs Array("Weekday(d, Null)", "Day(3000000)")
