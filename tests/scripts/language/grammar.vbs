' The grammar: literals, End after a statement, statements sharing a header's line,
' hoisted and redefined procedures, parenthesised callees, keywords as member
' names, unreserved words as names, continuations and one-line forms.
' --- number literals: value and type (the smallest that holds a decimal)
Function Ty(v) : Ty = v & " " & TypeName(v) & ", " : End Function
WriteLine Ty(0) & Ty(32767) & Ty(32768) & Ty(2147483647) & Ty(007)
WriteLine Ty(&100) & Ty(&17&) & Ty(&HFFFF) & Ty(&H8001) & Ty(&H8000)
WriteLine Ty(&h10&) & Ty(&hFFFFFFFF&) & Ty(&hFFFF&) & Ty(&h10000&) & Ty(&H80000000) & Ty(&HFFFF8000&)
WriteLine Ty(&O177777) & Ty(&O177777&) & Ty(&O200000)
WriteLine Ty(2147483648) & Ty(99999999999999999999) & Ty(1.5) & Ty(.5) & Ty(1e10) & Ty(1.5E-3) & Ty(2E+2) & Ty(1.) & Ty(1.E2) & Ty(1e-400) & Ty(-32768) & Ty(#12:00#)
WriteLine "[" & "a""b" & "|" & """" & "|" & "" & "|" & "it's" & "] " & CDbl(#1/2/2003#) & " " & CDbl(#6:00 PM#) & " " & (1 =< 2) & (2 => 1) & (1 >< 2) & (2 =< 1)
' --- a statement running into End
t = True
If t Then x = 1 Else x = 2 End If
If Not t Then x = 3 Else x = x + 10 End If
WriteLine x                    ' 11
If t Then
    x = 3 End If
If Not t Then
    x = 4
Else x = x * 2 End If
WriteLine x                    ' 6
If Not t Then
    x = 0
ElseIf t Then x = 7 End If
WriteLine x                    ' 7
If t Then If t Then x = 8 End If
WriteLine x                    ' 8
x = 0 : If t Then S1 End If : WriteLine x ' 1
Sub S1() x = 1 End Sub
Function F1(a) F1 = a * 2 End Function
Sub S2
    Call S1()End Sub
Class Box
Public v End Class
Class Pair
    Public Left
    Function Twice(n) Twice = F1(n)
    x = 0 End Function End Class
S2 : WriteLine x               ' 1
Set b = New Box : b.v = "box" : WriteLine b.v
y = (New Pair).Twice(21) : WriteLine y ' 42
WriteLine x                    ' 0
' --- statements on a Case or procedure header line
For Each n In Array(1, 2, 3)
    Select Case n
    Case 1  y = 200
    Case 2, 3 y = y + n End Select
Next
WriteLine y                    ' 205
Sub S3()x = 3
End Sub
Sub S4() x = true End Sub
Function G() x = 8
    G = x
End Function
S3 : WriteLine x               ' 3
S4 : WriteLine x               ' True
WriteLine G()                  ' 8
' --- procedures defined in blocks, or twice
Hidden                         ' in a block never run
If False Then
    Sub Hidden
        WriteLine "hidden"
    End Sub
End If
Twice : Twice2
Sub Twice : WriteLine "first" : End Sub
Sub Twice : WriteLine "second" : End Sub
Sub Twice2 : WriteLine "sub" : End Sub
Function Twice2 : WriteLine "function" : End Function
' --- parenthesised callees
Class C
    Public Prop
    Sub Class_Initialize : Prop = "prop" : End Sub
    Sub M : WriteLine "M" : End Sub
End Class
Call (New C).M()
Call (New C).M
x = (New C).Prop : WriteLine x
y = (F1)(5) : WriteLine y      ' 10
x = Array(4, 5)
y = ((x))(0) : WriteLine y     ' 4
Sub Echo(v) : v = "changed" : WriteLine "echo " & v : End Sub
z = "kept"
Call (((Echo))) ((z))
WriteLine z                    ' kept: ((z)) is a value
' --- unary plus and Const in a branch never taken
Set o = New C
WriteLine +o Is o              ' True
If False Then Const k = "str"
WriteLine k
Sub UsesK : WriteLine "in sub " & k : End Sub
UsesK
' --- keywords as member names: reads, calls, assignments, With
words = Split("Type Step Next Property Class Error End Select Case Set Let Get New Default Preserve Explicit Each In To Until While Loop " & _
    "Me Nothing Empty Null True Resume Exit Call Public Private Dim ReDim Const Option With If Then Else Do For Erase Mod And Or Not Is Like Xor Eqv Imp Rem Stop Wend ElseIf On GoTo ByVal")
ExecuteGlobal "Class Keywords : Public [" & Join(words, "], [") & "]" & vbCrLf & _
    "Public Function [Sub](a) : [Sub] = ""sub"" & a : End Function" & vbCrLf & _
    "Public Property Get [Function]() : [Function] = ""get"" : End Property" & vbCrLf & "End Class"
Set kw = New Keywords
For n = 0 To UBound(words) : Execute "kw." & words(n) & " = " & (n + 1) : Next
For n = 0 To UBound(words) : kwSum = kwSum + Eval("kw." & words(n)) : Next
WriteLine kwSum ' 1770
With kw
    .End = .End * 100 : .Rem = .If & .Then & .Else : .Next = .Loop Mod .Step
    WriteLine .End & " " & .Rem & " " & .Next & " " & .Sub(1) & " " & .Function ' 700 383940 0 sub1 get
End With
WriteLine kw.Sub (2) & kw.sub(3) & kw.[Sub](4) ' sub2sub3sub4
kw.Sub 5 : Call kw.Sub(6)
' --- words the language does not reserve, as plain names
Dim Error, Step, Default, Preserve, Explicit, [two words]
Error = 1 : Default = 4 : Preserve = 5 : Explicit = 6 : [two words] = 7
For Step = 1 To 2 Step 1 : Next
WriteLine Error & Step & Default & Preserve & Explicit & [two words] ' 134567
ReDim Preserve Preserve(1) : WriteLine UBound(Preserve) ' 1
Function Property(Error) : Property = Error * 2 : End Function
WriteLine Property(Default)    ' 8
Dim Жук : жУК = 5 : WriteLine ЖУК + 1 ' 6: names fold case beyond ASCII
' --- constants of a class, seen by its code
Class Limits
    Private Const Low = 1, High = "ten"
    Const Sign = -2
    Public Function Show() : Show = Low & " " & High & " " & Sign : End Function
End Class
Set lim = New Limits : WriteLine lim.Show()  ' 1 ten -2
' --- continuations, comments and separators
x = Array(1, _
          2, _
          3) : If UBound(x) = 2 And _
    x(0) = 1 Then _
    WriteLine "continued"
Dim p, _
    q : Rem a comment after a colon
q = 1 _
' a comment-only line ends the statement
WriteLine q                    ' 1
If q = 1 Then y = 1: z = 2 Else y = 3 : WriteLine "never"
WriteLine y & z                ' 12
If q = 1 Then If q = 2 Then y = 1 Else y = 2
WriteLine y                    ' 2: the Else is the inner If's
If q = 2 Then y = 1 : Else y = 5
WriteLine y                    ' 5
Do While q < 3 : q = q + 1 : Loop : WriteLine q ' 3
Do : q = q - 1 : Loop Until q = 0 : WriteLine q ' 0
For Each n In Array(1, 2) : q = q + n : Next n : WriteLine q ' 3
For n = 1 To 3 : If n = 2 Then Exit For : Next : WriteLine n ' 2: the If ends at Next
Select Case q : Case 1, 2 : WriteLine "low" : Case Else : WriteLine "else" : End Select
WScript.Echo (q) = 3, (lim).Show() & "!" ' True 1 ten -2!
WScript.Echo (lim).Show() & "!", (2) = 1 + 1 And True ' 1 ten -2! True
WriteLine .5 + 1.E2 + 2e-1 + &H10 + &o10 ' 124.7
' --- calls: missing arguments, chained indexes, member chains
Function Three(a, b, c) : Three = b & c : End Function
Function Rows() : Rows = Array(Array(1, 2), Array(3, 4)) : End Function
WriteLine Three(, 2, 3) & " " & Rows()(1)(0) & " " & Rows(  )(0)(1) ' 23 3 2
Class Item : Public Value : End Class
Class Props
    Public Default Function Item(name) : Set Item = New Item : Item.Value = "v:" & name : End Function
End Class
Class WmiObject
    Public Properties_
    Private Sub Class_Initialize() : Set Properties_ = New Props : End Sub
End Class
Set objItem = New WmiObject
WriteLine objItem.Properties_.Item("Name").Value & objItem.Properties_("Size").Value ' v:Namev:Size
' --- precedence and associativity, with values that tell the parses apart
WriteLine (3 * 5 \ 2) & " " & (20 \ 3 Mod 4) & " " & (7 Mod 4 + 1) & " " & (1 + 2 & 3 + 4) & " " & ("1" & "2" = "12") & " " & (1 = 1 = True)
WriteLine (Nothing Is Nothing = True) & " " & (Not 1 = 2) & " " & (Not 0 And 6) & " " & (6 And Not 2) & " " & (1 Or 2 And 4) & " " & (1 Xor 2 Or 1) & " " & (0 Imp 0 Eqv 0) & " " & (- - 5) & " " & (+5)
' --- a statement's first argument in parentheses: a value on its own, the
' start of a longer first argument, or a call whose result is used
Sub Args2(p, q) : WriteLine "[" & p & "|" & q & "]" : End Sub
Sub Arg1(p) : WriteLine "[" & p & "]" : End Sub
Class Spot
    Public B
    Function Tripled() : Tripled = B * 3 : End Function
    Sub Say(v) : WriteLine "say " & v : End Sub
End Class
Function MakePt(v) : Set MakePt = New Spot : MakePt.B = v : End Function
Dim a, pt : a = 3 : Set pt = MakePt(4)
Args2 (a) + 1, 5 : Arg1 (a) * 2 + 1 : Arg1(a)
Args2 (pt).B & "c", "d" : Arg1 (pt).Tripled() Mod 5
Args2 (a) = 3, "c" : Args2 (pt).B = 4 Or a < 2, "c"
MakePt (a).Say -1
pt.Say (7)
WriteLine pt _
    .B
On Error Resume Next
Set svc = GetObject("winmgmts:{impersonationLevel=impersonate}!\\.\root\cimv2")
WriteLine Err.Number <> 0      ' True
' a required argument left out of a built-in call, and one left out before a count
Err.Clear : x = Left(, 1) : WriteLine Err.Number & " " & Split("a b c", , 2)(1)
