' A loan schedule and a ledger: Currency arithmetic, rounding, dates and formatting.
Dim principal, rate, months, payment, balance, k, interest, due, totalInterest
principal = CCur(10000)
rate = 0.06 / 12
months = 6
payment = CCur(Round(principal * rate / (1 - (1 + rate) ^ -months), 2))
WriteLine "payment " & FormatCurrency(payment) & " " & TypeName(payment)
balance = principal
totalInterest = CCur(0)
due = #1/31/2026#
For k = 1 To months
    interest = CCur(Round(balance * rate, 2))
    If k = months Then payment = balance + interest
    balance = balance + interest - payment
    totalInterest = totalInterest + interest
    WriteLine Right("  " & k, 2) & "  " & FormatDateTime(DateAdd("m", k - 1, due), vbShortDate) & _
              Right(Space(10) & FormatNumber(interest, 2), 10) & Right(Space(12) & FormatNumber(balance, 2), 12)
Next
WriteLine "interest " & FormatCurrency(totalInterest) & " " & TypeName(totalInterest) & " " & TypeName(balance)
' --- Currency keeps four decimals exactly where Double does not
Dim c, dbl, i
c = CCur(0): dbl = 0
For i = 1 To 10 : c = c + CCur(0.1) : dbl = dbl + 0.1 : Next
WriteLine c & " " & (c = 1) & " " & (dbl = 1) & " " & CStr(dbl)
WriteLine CCur(-2.5) * 2 & " " & TypeName(CCur(5) / 2) & " " & CCur(5) \ 2 & " " & TypeName(CCur(5) \ 2)
On Error Resume Next
c = CCur("922337203685477.5807") + 1 : WriteLine "currency overflow " & ErrNo
On Error GoTo 0
' --- a ledger of dated entries, sorted by date with a simple insertion sort
Dim entries(4)
entries(0) = Array(#3/2/2026#, "Rent", -1200)
entries(1) = Array(#3/1/2026#, "Salary", 3500.5)
entries(2) = Array(#3/15/2026#, "Groceries", -245.37)
entries(3) = Array(#3/1/2026 9:30:00 AM#, "Coffee", -3.2)
entries(4) = Array(#2/28/2026#, "Opening", 100)
Dim x, y, tmp
For x = 1 To UBound(entries)
    tmp = entries(x)
    y = x - 1
    Do While y >= 0
        If entries(y)(0) <= tmp(0) Then Exit Do
        entries(y + 1) = entries(y)
        y = y - 1
    Loop
    entries(y + 1) = tmp
Next
Dim run : run = CCur(0)
For Each tmp In entries
    run = run + tmp(2)
    WriteLine FormatDateTime(tmp(0), vbShortDate) & " " & Left(tmp(1) & Space(10), 10) & _
              Right(Space(10) & FormatNumber(tmp(2), 2, , vbTrue), 10) & Right(Space(10) & FormatNumber(run, 2), 10)
Next
WriteLine "days covered " & DateDiff("d", entries(0)(0), entries(UBound(entries))(0)) & _
          ", weekday of the first " & WeekdayName(Weekday(entries(0)(0)))
Function ErrNo() : ErrNo = Err.Number : Err.Clear : End Function
