' Number utilities people write: Roman numerals, numbers in words, base conversion,
' primes, GCD, and digit sums.
Function ToRoman(ByVal n)
    Dim values, symbols, i, r
    values = Array(1000, 900, 500, 400, 100, 90, 50, 40, 10, 9, 5, 4, 1)
    symbols = Split("M CM D CD C XC L XL X IX V IV I")
    r = ""
    For i = 0 To UBound(values)
        Do While n >= values(i)
            r = r & symbols(i)
            n = n - values(i)
        Loop
    Next
    ToRoman = r
End Function

Function FromRoman(s)
    Dim i, v, nextV, total
    total = 0
    For i = 1 To Len(s)
        v = RomanDigit(Mid(s, i, 1))
        If i < Len(s) Then nextV = RomanDigit(Mid(s, i + 1, 1)) Else nextV = 0
        If v < nextV Then total = total - v Else total = total + v
    Next
    FromRoman = total
End Function

Function RomanDigit(ch)
    RomanDigit = InStr("IVXLCDM", UCase(ch))
    If RomanDigit = 0 Then Err.Raise 5, "RomanDigit", "Not a Roman digit: " & ch
    RomanDigit = Array(1, 5, 10, 50, 100, 500, 1000)(RomanDigit - 1)
End Function

Dim n
For Each n In Array(1, 4, 9, 14, 40, 90, 400, 1994, 2026, 3999)
    WriteLine n & " = " & ToRoman(n) & " = " & FromRoman(ToRoman(n))
Next
WriteLine FromRoman("mcmxcix")
On Error Resume Next
WriteLine FromRoman("XIZ")
WriteLine Err.Source & ": " & Err.Description
Err.Clear
On Error GoTo 0

' --- numbers in words
Function Words(ByVal n)
    Dim ones, tens
    ones = Split("zero one two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen sixteen seventeen eighteen nineteen")
    tens = Split("- - twenty thirty forty fifty sixty seventy eighty ninety")
    If n < 0 Then
        Words = "minus " & Words(-n)
    ElseIf n < 20 Then
        Words = ones(n)
    ElseIf n < 100 Then
        Words = tens(n \ 10)
        If n Mod 10 > 0 Then Words = Words & "-" & ones(n Mod 10)
    ElseIf n < 1000 Then
        Words = ones(n \ 100) & " hundred"
        If n Mod 100 > 0 Then Words = Words & " and " & Words(n Mod 100)
    ElseIf n < 1000000 Then
        Words = Words(n \ 1000) & " thousand"
        If n Mod 1000 > 0 Then Words = Words & IIf(n Mod 1000 < 100, " and ", " ") & Words(n Mod 1000)
    Else
        Words = Words(n \ 1000000) & " million"
        If n Mod 1000000 > 0 Then Words = Words & " " & Words(n Mod 1000000)
    End If
End Function

Function IIf(cond, a, b)
    If cond Then IIf = a Else IIf = b
End Function

For Each n In Array(0, 13, 40, 99, 101, 999, 1005, 12345, -7, 2000001)
    WriteLine n & ": " & Words(n)
Next

' --- base conversion both ways
Function ToBase(ByVal n, base)
    Const digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    If n = 0 Then ToBase = "0" : Exit Function
    ToBase = ""
    Do While n > 0
        ToBase = Mid(digits, (n Mod base) + 1, 1) & ToBase
        n = n \ base
    Loop
End Function
Function FromBase(s, base)
    Dim i
    FromBase = 0
    For i = 1 To Len(s)
        FromBase = FromBase * base + InStr("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ", UCase(Mid(s, i, 1))) - 1
    Next
End Function
WriteLine ToBase(255, 2) & " " & ToBase(255, 16) & " " & Hex(255) & " " & ToBase(35, 36) & " " & ToBase(0, 7)
WriteLine FromBase("11111111", 2) & " " & FromBase("ff", 16) & " " & CLng("&H" & "FF") & " " & CLng("&O" & "377") & " " & Oct(255)
WriteLine ToBase(2147483647, 16) & " " & Hex(2147483647) & " " & FromBase("7FFFFFFF", 16) & " " & TypeName(FromBase("7FFFFFFF", 16))

' --- primes with a sieve, GCD and LCM
Dim sieve(100), p, m, primes
For p = 2 To 100
    If Not sieve(p) Then
        primes = primes & p & " "
        For m = p * p To 100 Step p
            sieve(m) = True
        Next
    End If
Next
WriteLine Trim(primes)
Function Gcd(a, b)
    If b = 0 Then Gcd = a Else Gcd = Gcd(b, a Mod b)
End Function
WriteLine Gcd(48, 18) & " " & Gcd(17, 5) & " " & (48 * 18 / Gcd(48, 18)) & " " & Gcd(0, 9)

' --- digit sum of a large power, kept as a string of decimal digits
Function MultiplyString(s, k)
    Dim i, carry, d, r
    carry = 0
    r = ""
    For i = Len(s) To 1 Step -1
        d = CInt(Mid(s, i, 1)) * k + carry
        r = CStr(d Mod 10) & r
        carry = d \ 10
    Next
    If carry > 0 Then r = CStr(carry) & r
    MultiplyString = r
End Function
Dim big, sum
big = "1"
For n = 1 To 100
    big = MultiplyString(big, 2)
Next
sum = 0
For n = 1 To Len(big)
    sum = sum + CInt(Mid(big, n, 1))
Next
WriteLine Len(big) & " digits, starts " & Left(big, 10) & ", digit sum " & sum
WriteLine 2 ^ 100
