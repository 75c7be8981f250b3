' Everyday helpers from administration scripts: human-readable sizes, timestamps,
' durations, fixed-width records, a hex dump, and a simple checksum.
Function HumanSize(bytes)
    Dim units, i, size
    units = Array("B", "KB", "MB", "GB", "TB")
    size = CDbl(bytes)
    i = 0
    Do While size >= 1024 And i < UBound(units)
        size = size / 1024
        i = i + 1
    Loop
    If i = 0 Then
        HumanSize = size & " " & units(i)
    Else
        HumanSize = FormatNumber(size, 1) & " " & units(i)
    End If
End Function
Dim b
For Each b In Array(0, 1023, 1024, 1536, 1048576, 123456789, 5.5E+12, 1.2E+16)
    WriteLine Right(Space(18) & b, 18) & "  " & HumanSize(b)
Next

Function Pad2(n)
    Pad2 = Right("0" & n, 2)
End Function
Function Stamp(d)
    Stamp = Year(d) & "-" & Pad2(Month(d)) & "-" & Pad2(Day(d)) & "T" & Pad2(Hour(d)) & ":" & Pad2(Minute(d)) & ":" & Pad2(Second(d))
End Function
WriteLine Stamp(#3/7/2026 9:05:03 PM#) & " " & Stamp(#12/31/1999 11:59:59 PM#) & " " & Stamp(DateAdd("s", 1, #12/31/1999 11:59:59 PM#))
WriteLine "log_" & Replace(Replace(Stamp(#1/2/2026 3:04:05 AM#), ":", ""), "-", "") & ".txt"

Function Duration(seconds)
    Dim d, h, m, s
    d = seconds \ 86400
    h = (seconds Mod 86400) \ 3600
    m = (seconds Mod 3600) \ 60
    s = seconds Mod 60
    Duration = ""
    If d > 0 Then Duration = d & "d "
    Duration = Duration & Pad2(h) & ":" & Pad2(m) & ":" & Pad2(s)
End Function
WriteLine Duration(59) & " | " & Duration(3661) & " | " & Duration(90061) & " | " & Duration(DateDiff("s", #1/1/2026#, #1/3/2026 1:02:03 AM#))

' --- fixed-width records: name (10), quantity (5, right-aligned), price (8)
Dim records, rec, name, qty, price, total
records = Array("Widget       12    2.50", "Gizmo         3   19.99", "Doohickey   100    0.05")
total = 0
For Each rec In records
    name = RTrim(Left(rec, 10))
    qty = CInt(Mid(rec, 11, 5))
    price = CDbl(Mid(rec, 16))
    total = total + qty * price
    WriteLine "[" & name & "] " & qty & " x " & price & " = " & FormatNumber(qty * price, 2)
Next
WriteLine "total " & FormatCurrency(total)

' --- hex dump of a string, eight code units a row
Sub HexDump(s)
    Dim i, row, hexes, chars, code, ch
    For row = 0 To (Len(s) - 1) \ 8
        hexes = "": chars = ""
        For i = row * 8 + 1 To row * 8 + 8
            If i <= Len(s) Then
                ch = Mid(s, i, 1)
                code = AscW(ch)
                If code < 0 Then code = code + 65536
                hexes = hexes & Right("000" & Hex(code), 4) & " "
                If code >= 32 And code < 127 Then chars = chars & ch Else chars = chars & "."
            Else
                hexes = hexes & "     "
            End If
        Next
        WriteLine Right("000" & Hex(row * 8), 4) & ": " & hexes & "|" & chars & "|"
    Next
End Sub
HexDump "Hello," & vbTab & "World!" & vbCrLf & ChrW(8364) & "5"

' --- a 16-bit checksum (sum of code units, folded) and a parity check with Xor
Function Checksum(s)
    Dim i, sum
    sum = 0
    For i = 1 To Len(s)
        sum = (sum + AscW(Mid(s, i, 1)) * i) Mod 65521
    Next
    Checksum = sum
End Function
Function Parity(n)
    Dim p
    p = 0
    Do While n > 0
        p = p Xor (n And 1)
        n = n \ 2
    Loop
    Parity = p
End Function
WriteLine Checksum("The quick brown fox") & " " & Checksum("") & " " & Hex(Checksum(String(1000, "z")))
WriteLine Parity(7) & Parity(8) & Parity(255) & Parity(1023) & " " & (&HF0 Xor &HFF) & " " & (Not &HF0 And &HFF)
