' Rnd and Randomize: the seeded sequence is the same on every run.
' --- Rnd(-1) then Randomize 5
Sub Errs(exprs) ' the error number of each expression, on one line
    Dim e, s : On Error Resume Next
    For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next
    WriteLine Mid(s, 2)
End Sub
first = Rnd(-1)
WriteLine first
Randomize 5
Dim run1(9)
For i = 0 To 9
    run1(i) = Rnd
    WriteLine run1(i)
Next
' --- the same again
x = Rnd(-1)
Randomize 5
same = True
For i = 0 To 9
    If Rnd() <> run1(i) Then same = False
Next
WriteLine same
' --- Rnd(0) repeats the last value; a negative number always gives the same value
a = Rnd
WriteLine (Rnd(0) = a) & " | " & (Rnd(-7) = Rnd(-7)) & " | " & (TypeName(Rnd))
' --- values stay in [0, 1)
Randomize
ok = True
For i = 1 To 1000
    r = Rnd
    If r < 0 Or r >= 1 Then ok = False
Next
WriteLine ok
On Error Resume Next
Errs Array("Rnd(Null)")
Randomize "abc"
WriteLine Err.Number
Err.Clear
