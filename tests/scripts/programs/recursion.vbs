' Recursion: permutations through a ByRef array, factorial through the function's
' own name, memoised Fibonacci in a Dictionary (mutual recursion: calculator.vbs).
' --- permutations by swapping in place (ByRef array argument)
Dim perms : perms = ""
Sub Permute(a, k)
    Dim i, t
    If k = UBound(a) Then
        perms = perms & Join(a, "") & " "
        Exit Sub
    End If
    For i = k To UBound(a)
        t = a(k): a(k) = a(i): a(i) = t
        Permute a, k + 1
        t = a(k): a(k) = a(i): a(i) = t
    Next
End Sub
Dim letters : letters = Array("a", "b", "c")
Permute letters, 0
WriteLine Trim(perms) & " | " & Join(letters, "")

' --- factorial through the function's own name; promotion to Double
Function Fact(n)
    If n <= 1 Then Fact = 1 Else Fact = n * Fact(n - 1)
End Function
WriteLine (Fact(7) & " " & TypeName(Fact(7))) & " | " & (Fact(12) & " " & TypeName(Fact(12)))
WriteLine (Fact(13) & " " & TypeName(Fact(13))) & " | " & Fact(20)

' --- memoised Fibonacci in a Dictionary
Dim memo : Set memo = CreateObject("Scripting.Dictionary")
Function Fib(n)
    If n < 2 Then
        Fib = n
    ElseIf memo.Exists(n) Then
        Fib = memo(n)
    Else
        Fib = Fib(n - 1) + Fib(n - 2)
        memo.Add n, Fib
    End If
End Function
WriteLine Fib(30) & " " & Fib(50) & " " & memo.Count

