' FormatDateTime: the five named formats, text and numbers, errors.
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
d = #12/16/2026 6:51:03 PM#
WriteLine (FormatDateTime(d)) & " | " & (FormatDateTime(d, vbGeneralDate)) & " | " & (FormatDateTime(#12/16/2026#, vbLongDate))
WriteLine (FormatDateTime(d, vbShortDate)) & " | " & (FormatDateTime(d, vbLongTime)) & " | " & (FormatDateTime(d, vbShortTime))
WriteLine (FormatDateTime(#12/16/2026#)) & " | " & (FormatDateTime(#6:05:00 AM#, vbShortTime)) & " | " & (FormatDateTime(#6:05:00 AM#))
WriteLine (FormatDateTime(0, vbLongTime)) & " | " & (FormatDateTime(0, vbLongDate)) & " | " & (FormatDateTime("December 6, 2026", 1))
WriteLine (FormatDateTime(46362)) & " | " & (FormatDateTime(#1/1/100#, vbLongDate)) & " | " & (TypeName(FormatDateTime(d)))
' --- errors
On Error Resume Next
x = FormatDateTime(d, 5)
WriteLine Err.Number & " " & Err.Description
Err.Clear
Errs Array("FormatDateTime(""x"")", "FormatDateTime(Null)", "FormatDateTime(d, Null)")
