' A fixed-width sales report: padding with Right(Space ...), numbers and dates formatted.
Function PadLeft(s, width)
    PadLeft = Right(Space(width) & s, width)
End Function

Function PadRight(s, width)
    PadRight = Left(s & Space(width), width)
End Function

Dim rows(3), r, total, line
rows(0) = Array("North", 1234567.891, #1/15/2026#)
rows(1) = Array("South", 0.5, #2/28/2026 3:04:05 PM#)
rows(2) = Array("East", -987.654, #12/31/2025#)
rows(3) = Array("West", 42, #6/1/2026 12:00:00 AM#)
WriteLine PadRight("Region", 8) & PadLeft("Amount", 16) & "  " & "Date"
WriteLine String(36, "-")
total = 0
For Each r In rows
    line = PadRight(r(0), 8) & PadLeft(FormatNumber(r(1), 2), 16) & "  " & FormatDateTime(r(2), vbShortDate)
    WriteLine line
    total = total + r(1)
Next
WriteLine String(36, "-")
WriteLine PadRight("Total", 8) & PadLeft(FormatNumber(total, 2), 16)
' --- FormatNumber options: digits, leading zero, parentheses, grouping
WriteLine FormatNumber(0.5, 0) & " " & FormatNumber(1.5, 0) & " " & FormatNumber(2.5, 0)
WriteLine FormatNumber(0.25, 2, vbFalse) & " " & FormatNumber(-3.5, 1, , vbTrue) & " " & FormatNumber(12345.678, 1, , , vbFalse)
WriteLine FormatNumber(1234) & " " & FormatNumber("1e3", 0)
WriteLine FormatPercent(0.1234) & " " & FormatPercent(1, 0) & " " & FormatCurrency(1234.5) & " " & FormatCurrency(-5)
' --- FormatDateTime in every named form
Dim d
d = #2/28/2026 3:04:05 PM#
WriteLine FormatDateTime(d)
WriteLine FormatDateTime(d, vbLongDate)
WriteLine FormatDateTime(d, vbShortDate)
WriteLine FormatDateTime(d, vbLongTime)
WriteLine FormatDateTime(d, vbShortTime)
WriteLine FormatDateTime(#1/15/2026#) & "|" & FormatDateTime(#3:00:00 AM#)
' --- a right-aligned table of squares
Dim i
For i = 8 To 12
    WriteLine PadLeft(i, 3) & PadLeft(i * i, 5) & PadLeft(FormatNumber(Sqr(i), 3), 7)
Next
