' Assignment through a chain of default members: d(a)(b) = v stores into the inner object.
Dim outer : Set outer = CreateObject("Scripting.Dictionary")
outer.Add "a", CreateObject("Scripting.Dictionary")
outer("a")("x") = 1
outer("a")("x") = outer("a")("x") + 1
Dim other : Set other = CreateObject("Scripting.Dictionary")
Set outer("a")("o") = other
WriteLine outer("a")("x") & " " & (outer("a")("o") Is other) & " " & outer("a").Count
Class Grid
    Private m_rows
    Private Sub Class_Initialize() : Set m_rows = CreateObject("Scripting.Dictionary") : End Sub
    Public Default Property Get Row(i)
        If Not m_rows.Exists(i) Then m_rows.Add i, CreateObject("Scripting.Dictionary")
        Set Row = m_rows(i)
    End Property
End Class
Dim g : Set g = New Grid
g(1)(2) = "cell"
g.Row(3)(4) = "other"
WriteLine g(1)(2) & " " & g(3)(4)
