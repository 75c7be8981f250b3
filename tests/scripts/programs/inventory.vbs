' A class-based inventory kept in a Dictionary of objects.
Class Item
    Private m_name, m_qty, m_price
    Public Sku

    Private Sub Class_Initialize()
        m_qty = 0
        m_price = 0
    End Sub

    Public Property Get Name()
        Name = m_name
    End Property
    Public Property Let Name(value)
        m_name = Trim(value)
    End Property

    Public Property Get Quantity()
        Quantity = m_qty
    End Property
    Public Property Let Quantity(value)
        If value < 0 Then Err.Raise vbObjectError + 1, "Item", "Negative quantity for " & m_name
        m_qty = value
    End Property

    Public Property Get Price()
        Price = m_price
    End Property
    Public Property Let Price(value)
        m_price = CCur(value)
    End Property

    Public Function Total()
        Total = m_qty * m_price
    End Function
End Class

Class Inventory
    Private m_items

    Private Sub Class_Initialize()
        Set m_items = CreateObject("Scripting.Dictionary")
        m_items.CompareMode = vbTextCompare
    End Sub

    Public Function AddItem(sku, name, qty, price)
        Dim it
        Set it = New Item
        it.Sku = sku
        it.Name = name
        it.Quantity = qty
        it.Price = price
        m_items.Add sku, it
        Set AddItem = it
    End Function

    Public Property Get Item(sku)
        If Not m_items.Exists(sku) Then
            Set Item = Nothing
        Else
            Set Item = m_items(sku)
        End If
    End Property

    Public Property Get Count()
        Count = m_items.Count
    End Property

    Public Function Value()
        Dim k, sum
        sum = 0
        For Each k In m_items
            sum = sum + m_items(k).Total()
        Next
        Value = sum
    End Function

    Public Sub Remove(sku)
        m_items.Remove sku
    End Sub

    Public Function Skus()
        Skus = m_items.Keys
    End Function
End Class

Dim inv, it, k
Set inv = New Inventory
inv.AddItem "A100", "  Widget ", 10, 2.5
inv.AddItem "B200", "Gadget", 3, "19.99"
Set it = inv.AddItem("C300", "Doohickey", 0, 7)
WriteLine inv.Count & " items"
WriteLine "[" & inv.Item("a100").Name & "] " & inv.Item("A100").Total()
WriteLine TypeName(inv.Item("B200").Price) & " " & inv.Item("B200").Total()
WriteLine TypeName(inv.Value()) & " " & inv.Value()
' --- an object fetched from the dictionary is the same object
it.Quantity = 4
WriteLine inv.Item("C300").Quantity & " " & (it Is inv.Item("c300"))
' --- missing keys
WriteLine (inv.Item("Z999") Is Nothing)
' --- the class's raised error, caught at the call site
On Error Resume Next
it.Quantity = -1
WriteLine (Err.Number - vbObjectError) & " " & Err.Source & ": " & Err.Description
Err.Clear
inv.AddItem "a100", "Dup", 1, 1
WriteLine Err.Number & " " & Err.Description
Err.Clear
inv.Remove "nothing-here"
WriteLine Err.Number & " " & Err.Description
On Error GoTo 0
' --- enumerate and remove
inv.Remove "B200"
For Each k In inv.Skus()
    WriteLine k & " = " & inv.Item(k).Name & " x" & inv.Item(k).Quantity
Next
WriteLine inv.Value()
