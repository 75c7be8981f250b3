' primes.vbs: a script for vbsrun, the command-line runner (no window).
' Prints the prime numbers below a limit, found with a sieve.
'
'   vbsrun examples/primes.vbs
Const Limit = 100

Dim sieve(), i, j, found, line
ReDim sieve(Limit - 1)
found = 0
line = ""
For i = 2 To Limit - 1
    If Not sieve(i) Then
        found = found + 1
        line = line & " " & i
        For j = i * i To Limit - 1 Step i
            sieve(j) = True
        Next
    End If
Next
Console.WriteLine found & " primes below " & Limit & ":" & line
