' Classes: fields, properties, default members, Me, Initialize and Terminate.
' --- fields and properties
Class Account
    Public Owner
    Private m_balance
    Private Sub Class_Initialize() : m_balance = 0 : WriteLine "open" : End Sub
    Private Sub Class_Terminate() : WriteLine "close " & Owner : End Sub
    Public Property Get Balance() : Balance = m_balance : End Property
    Public Property Let Balance(value)
        If value < 0 Then Exit Property
        m_balance = value
    End Property
    Public Sub Deposit(amount) : Balance = m_balance + amount : End Sub
    Public Function Self() : Set Self = Me : End Function
    Private Function Secret() : Secret = 42 : End Function
    Public Function Reveal() : Reveal = Secret() + Me.Secret : End Function
End Class
Dim acc : Set acc = New Account
acc.Owner = "Ann"
acc.Deposit 10
acc.Balance = acc.Balance + 5
acc.Balance = -1
WriteLine acc.Balance & " | " & (TypeName(acc) & " " & VarType(acc) & " " & IsObject(acc)) & " | " & (acc.Self Is acc)
WriteLine acc.Reveal
' --- Terminate runs when the last reference goes
Dim other : Set other = acc
Set acc = Nothing
WriteLine "still open"
Set other = Nothing
WriteLine "gone"
Sub UseLocal()
    Dim tmp : Set tmp = New Account
    tmp.Owner = "Local"
End Sub
UseLocal
WriteLine "after local"
Dim list(1)
Set list(0) = New Account
list(0).Owner = "Elem"
Set list(0) = New Account
WriteLine "replaced" & " | " & "after element"
' --- default members
Class Box
    Private m_items
    Private Sub Class_Initialize() : m_items = Array("zero", "one", "two") : End Sub
    Public Default Property Get Item(i) : Item = m_items(i) : End Property
End Class
Dim b : Set b = New Box
WriteLine b(1) & " | " & b.Item(2)
' --- errors
On Error Resume Next
Dim s : Set s = New Account
s.Owner = "Err"
WriteLine s.Secret : WriteLine Caught
s.Missing = 1 : WriteLine Caught
s.Deposit : WriteLine Caught
Set s = 5 : WriteLine Caught
Set s = New Undeclared : WriteLine Caught
WriteLine "end"
Function Caught() : Caught = Err.Number & " " & Err.Description : Err.Clear : End Function
' A Sub of the class used as a value by its bare name is Empty; the caller's
' variables beside the call keep their values.
Class SubValue
    Public Sub S() : End Sub
    Public Function T() : Dim x, y : y = 5 : x = S : T = TypeName(x) & " " & y : End Function
End Class
Dim sv : Set sv = New SubValue
WriteLine sv.T()
