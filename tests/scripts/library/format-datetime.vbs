' FormatDateTime: the five named formats, text and numbers, errors.
d = #12/16/2026 6:51:03 PM#
WriteLine FormatDateTime(d)
WriteLine FormatDateTime(d, vbGeneralDate)
WriteLine FormatDateTime(#12/16/2026#, vbLongDate)
WriteLine FormatDateTime(d, vbShortDate)
WriteLine FormatDateTime(d, vbLongTime)
WriteLine FormatDateTime(d, vbShortTime)
WriteLine FormatDateTime(#12/16/2026#)
WriteLine FormatDateTime(#6:05:00 AM#, vbShortTime)
WriteLine FormatDateTime(#6:05:00 AM#)
WriteLine FormatDateTime(0, vbLongTime)
WriteLine FormatDateTime(0, vbLongDate)
WriteLine FormatDateTime("December 6, 2026", 1)
WriteLine FormatDateTime(46362)
WriteLine FormatDateTime(#1/1/100#, vbLongDate)
WriteLine TypeName(FormatDateTime(d))
' --- errors
On Error Resume Next
x = FormatDateTime(d, 5)
WriteLine Err.Number & " " & Err.Description
Err.Clear
x = FormatDateTime("x")
WriteLine Err.Number
Err.Clear
x = FormatDateTime(Null)
WriteLine Err.Number
Err.Clear
x = FormatDateTime(d, Null)
WriteLine Err.Number
Err.Clear
