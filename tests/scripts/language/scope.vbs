' Scope: script-level names, locals, implicit variables, Const, Execute,
' ExecuteGlobal, Eval and GetRef.
' --- globals are seen by procedures; Dim in a procedure is local
Dim shared : shared = "global"
Sub Shadow()
    Dim shared : shared = "local"
    WriteLine shared
End Sub
Sub Touch() : shared = shared & "+touched" : End Sub
Shadow
Touch
WriteLine shared
' --- implicit variables: in a procedure they are local
Sub MakeImplicit() : implicitLocal = 5 : implicitGlobal = implicitGlobal + 1 : End Sub
implicitGlobal = 10
MakeImplicit
WriteLine ("[" & implicitLocal & "] " & implicitGlobal) & " | " & IsEmpty(neverAssigned)
' --- constants
Const Greeting = "hi", Answer = 42
Const Negative = -5
Function UsesConst()
    Const Local = 3
    UsesConst = Answer + Local
End Function
WriteLine Greeting & " " & UsesConst() & " " & Negative
' --- Eval, Execute, ExecuteGlobal
WriteLine Eval("Answer * 2") & " | " & Eval("shared = ""global+touched""")
Execute "made = 7 : WriteLine made"
ExecuteGlobal "Function Added(a, b) : Added = a + b : End Function"
WriteLine Added(2, 3)
Sub ScopeOfExecute()
    Dim mine : mine = 1
    Execute "mine = mine + 1"
    WriteLine "mine " & mine & " " & Eval("mine * 10")
End Sub
ScopeOfExecute
' --- GetRef
Function Square(n) : Square = n * n : End Function
Dim fn : Set fn = GetRef("Square")
WriteLine fn(7) & " | " & (TypeName(fn) = "Object")
' a call statement through the reference passes variables by reference
Sub Twice(n) : n = n * 2 : End Sub
Sub CallTwice(ref) : Dim k : k = 3 : ref k : Call ref(k) : WriteLine k : End Sub
Dim passed : passed = 5 : Set fn = GetRef("Twice") : fn passed : CallTwice fn
WriteLine passed
' --- errors
On Error Resume Next
Greeting = "changed" : WriteLine Caught
vbCrLf = 1 : WriteLine Caught
Set fn = GetRef("NoSuchProcedure") : WriteLine Caught
' --- Execute and Eval nest inside a procedure's scope
Sub Nested()
    Dim level : level = 1
    Execute "level = level + 1 : WriteLine Eval(""level * 100"")"
    WriteLine level
End Sub
Nested
' --- a Sub defined by later code is called by earlier code
Sub CallsLater() : DefinedLater 1 : Call DefinedLater(2) : End Sub
ExecuteGlobal "Sub DefinedLater(x) : WriteLine ""later "" & x : End Sub"
CallsLater
' --- Execute in a procedure declares and assigns in the procedure's scope
Dim x : x = "global"
Sub ExecuteScope()
    Dim x
    Execute "Dim v : v = 20"
    Execute "x = 99"
    Execute "w = v + 1"
    total = 5
    Execute "total = total + 1"
    WriteLine v & " " & x & " " & w & " " & Eval("v + w") & " " & total
    ' a procedure the text declares is global: it sees the global x, not this one
    Execute "Sub SeesGlobal() : WriteLine ""declared in a procedure: "" & x : End Sub"
    SeesGlobal
End Sub
ExecuteScope
WriteLine IsEmpty(v) & " " & IsEmpty(w) & " " & IsEmpty(total) & " " & x
' --- ExecuteGlobal: a Dim shadows a constant for later texts only
Const Limit = 10
ExecuteGlobal "Dim Limit"
WriteLine Limit
ExecuteGlobal "WriteLine IsEmpty(Limit)"
ExecuteGlobal "Const Limit = 3" : WriteLine Caught
ExecuteGlobal "Const x = 3" : WriteLine ErrNo
' --- a second Dim of an array from an earlier text
Dim arr(2), scalar
ExecuteGlobal "Dim arr(3)" : WriteLine ErrNo & " " & UBound(arr)
ExecuteGlobal "Dim arr()" : WriteLine ErrNo & " " & UBound(arr)
ExecuteGlobal "Dim scalar(4)"
WriteLine Err.Number & " " & UBound(scalar)
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
Function ErrNo() : ErrNo = Err.Number : Err.Clear : End Function
' --- script-level variables used by the top-level code, by procedures, by
' reference and by Execute text are one and the same
Dim common, lst()
common = 1
Sub Bump(ByRef v) : v = v + 10 : End Sub
Sub BumpShared() : common = common + 100 : End Sub
Bump common : BumpShared : Execute "common = common + 1000"
ReDim lst(1) : lst(1) = "b" : ReDim Preserve lst(2) : Bump lst(2)
WriteLine common & " " & Eval("common + 1") & " " & Join(lst, ",")
Class Noisy : Private Sub Class_Terminate() : WriteLine "gone, common = " & common : End Sub : End Class
Dim holder : Set holder = New Noisy
common = 7 : Set holder = Nothing : WriteLine "after"
