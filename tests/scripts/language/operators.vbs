' Arithmetic and comparison on the interpreter's fast paths and off them:
' result subtypes, overflow promotion, Null and strings.
' --- Integer, Long and Double results
WriteLine TypeName(1 + 2) & " " & TypeName(32767 + 1) & " " & TypeName(2147483647 + 1)
WriteLine (32767 + 1 & " " & 2147483647 + 1) & " | " & (TypeName(200 * 200) & " " & 200 * 200)
WriteLine TypeName(-32768 - 1) & " " & TypeName(1.5 + 1) & " " & 1.5 * 2
WriteLine (-(-32768) & " " & TypeName(-(-32768))) & " | " & (7 \ 2 & " " & 7 Mod 3 & " " & 7 / 2 & " " & 2 ^ 10)
' unary minus binds tighter than ^
WriteLine -3 ^ 2 & " " & -2^2 & " " & 2 ^ -1 & " " & -2 ^ -2
WriteLine 2 + 3 * 4 ^ 2 / 8 & " " & (10 - 2 - 3) & " " & 2 ^ 3 ^ 2 & " " & 1 + 2 & 3
' & binds tighter than a comparison: 9 > "1 True" compares as text
n = 9 : WriteLine 5 > 3 And n > 1 & " " & (Not 1 = 2)
' --- strings and numbers
WriteLine "3" + 4 & " " & "3" + "4" & " " & "3" & 4
WriteLine (1 < 2) & " " & ("a" < "b") & " " & (10 < 9) & " " & (2.5 >= 2)
' --- Null and Empty
WriteLine IsNull(Null + 1) & " " & IsNull(Null = 1) & " " & (Empty + 1) & " [" & Empty & "]"
WriteLine "a" & Null & "b"
' --- string building in place
Dim s, i
For i = 1 To 5 : s = s & i : Next
s = s & Null
WriteLine s & " " & Len(s)
Dim t : t = "x"
Dim alias : alias = t
t = t & "y"
WriteLine alias & " " & t
' --- logical
WriteLine (True And False) & " " & (True Or False) & " " & (True Xor True) & " " & Not True
WriteLine (6 And 3) & " " & (6 Or 3) & " " & (Not 0)
' Empty is the Long 0; a Byte Imp Null stays a Byte
WriteLine TypeName(Empty And Empty) & " " & (Empty And Empty) & " " & TypeName(Not Empty) & " " & (Not Empty) & " " & TypeName(Empty Or True) & " " & TypeName(Empty Xor CByte(1))
WriteLine TypeName(Empty And Null) & " " & (Empty And Null) & " " & TypeName(Empty Or Null) & " " & TypeName(Empty Eqv Empty) & " " & (Empty Imp Empty)
WriteLine (CByte(0) Imp Null) & " " & (CByte(170) Imp Null) & " " & (CByte(255) Imp Null) & " " & TypeName(CByte(255) Imp Null) & " " & TypeName(CByte(1) Imp Null)
' --- errors
On Error Resume Next
WriteLine 1 \ 0 : WriteLine Caught
WriteLine "a" + 1 : WriteLine Caught
WriteLine CInt(40000)
WriteLine Err.Number & " " & Err.Description
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
' a Date result outside the years 100 to 9999 overflows
Err.Clear
WriteLine #12/31/9999# + 1 : WriteLine Caught
WriteLine -#12/31/9999# : WriteLine Caught
WriteLine TypeName(#12/31/9999# - 0.5) & " " & (#1/1/100# + 1)
