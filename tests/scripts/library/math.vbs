' Math functions, and Rnd and Randomize.
' Errs lists the error number of each expression, on one line.
Sub Errs(exprs) : Dim e, s : On Error Resume Next : For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next : WriteLine Mid(s, 2) : End Sub
' === Abs, Sgn, Int, Fix, Round, Hex, Oct and the Double functions.
' --- Abs and Sgn
WriteLine (Abs(-1) & " " & Abs(1) & " " & Abs(-3.5) & " " & Abs(0)) & " | " & (Abs("-2") & " " & Abs(Empty))
WriteLine TypeName(Abs(-1)) & " " & TypeName(Abs(-1.5)) & " " & TypeName(Abs(CCur(-2)))
WriteLine (IsNull(Abs(Null))) & " | " & (Sgn(-5) & " " & Sgn(0) & " " & Sgn(3.2) & " " & Sgn("-0.1")) & " | " & (TypeName(Sgn(2.5)) & " " & IsNull(Sgn(Null)))
' --- Int and Fix
WriteLine (Int(99.8) & " " & Fix(99.8)) & " | " & (Int(-99.8) & " " & Fix(-99.8)) & " | " & (Int(-99.2) & " " & Fix(-99.2))
WriteLine Int(5) & " " & Int("3.7") & " " & Int(Empty)
WriteLine TypeName(Int(3.7)) & " " & TypeName(Int(5)) & " " & TypeName(Fix(CCur(2.5))) & " " & TypeName(Int(CSng(1.5)))
WriteLine IsNull(Int(Null)) & IsNull(Fix(Null))
' --- Round
WriteLine Round(2.5) & " " & Round(3.5) & " " & Round(-2.5) & " " & Round(12.5) & " " & Round(2.51)
WriteLine Round(1.2345, 2) & " " & Round(0.125, 2) & " " & Round(0.375, 2) & " " & Round(3.14159, 4)
WriteLine Round(5, 2) & " " & Round("2.5") & " " & Round(-0.4)
WriteLine TypeName(Round(2.5)) & " " & TypeName(Round(5)) & " " & TypeName(Round(CCur(1.25), 1))
WriteLine (Round(CCur(1.25), 1) & " " & Round(CCur(1.35), 1)) & " | " & IsNull(Round(Null))
' --- Currency beyond a Double's 15 digits stays exact; a whole part beyond the range is 6
c = CCur("1234567890123.9999") : m = CCur("922337203685477.5807")
WriteLine Int(c) & " " & Fix(-c) & " " & Int(-c) & " " & Round(-c, 3) & " " & Round(m, 2) & " " & Round(CCur("900719925474.0995"), 3)
Errs Array("Int(-m - CCur(""0.0001""))", "Fix(-m - CCur(""0.0001""))", "Round(m)", "Round(m, 3)")
' --- Hex and Oct
WriteLine Hex(5) & " " & Hex(10) & " " & Hex(459) & " " & Hex(255) & " " & Hex(65536)
WriteLine Hex(-1) & " " & Hex(CLng(-1)) & " " & Hex(CInt(-32768)) & " " & Hex(-32769)
WriteLine Hex(2.5) & " " & Hex(3.5) & " " & Hex("16") & " " & Hex(Empty) & " " & Hex(CByte(200))
WriteLine Oct(4) & " " & Oct(8) & " " & Oct(459) & " " & Oct(-1) & " " & Oct(CLng(-1))
WriteLine (IsNull(Hex(Null)) & IsNull(Oct(Null))) & " | " & TypeName(Hex(1))
' --- Double functions
WriteLine (Atn(1) * 4) & " | " & (Cos(0) & " " & Sin(0) & " " & Tan(0) & " " & Atn(0)) & " | " & (Exp(1) & " " & Exp(0))
WriteLine Log(1) & " " & Round(Log(Exp(2)), 10) & " " & Log(10) / Log(10)
WriteLine (Sqr(4) & " " & Sqr(2) & " " & Sqr(0)) & " | " & (TypeName(Sqr(4)) & " " & TypeName(Cos(0)))
WriteLine Round(Sin(Atn(1) * 2), 10) & " " & Round(Cos(Atn(1) * 4), 10)
' --- errors
On Error Resume Next
x = Log(0) : WriteLine Caught
Errs Array("Log(-1)")
x = Sqr(-1) : WriteLine Caught
Errs Array("Exp(1000)", "Atn(Null)", "Sqr(""abc"")", "Abs(""abc"")", "Hex(""abc"")", _
    "Hex(2147483648)", "Round(2.5, -1)", "Int(""x"")")
On Error GoTo 0
' === Rnd and Randomize: the seeded sequence is the same on every run.
' --- Rnd(-1) then Randomize 5
first = Rnd(-1)
WriteLine first
Randomize 5
Dim run1(9)
For i = 0 To 9 : run1(i) = Rnd : WriteLine run1(i) : Next
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
Randomize "abc" : WriteLine ErrNo
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
Function ErrNo() : ErrNo = Err.Number : Err.Clear : End Function
