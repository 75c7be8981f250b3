' A class keeping a dictionary of objects, walked with For Each and
' rewritten through a RegExp.
Option Explicit

Class Person : Public Name, Phone : End Class

Class Directory
    Private m_people

    Private Sub Class_Initialize
        Set m_people = CreateObject("Scripting.Dictionary")
        m_people.CompareMode = vbTextCompare
    End Sub

    Public Sub Add(name, phone)
        Dim p : Set p = New Person
        p.Name = name
        p.Phone = phone
        Set m_people(name) = p
    End Sub

    Public Property Get Count : Count = m_people.Count : End Property

    Public Function Find(name)
        If m_people.Exists(name) Then Set Find = m_people(name) Else Set Find = Nothing
    End Function

    ' Rewrites every phone number as ddd-ddd-dddd, or marks it invalid.
    Public Sub Normalise
        Dim re, key
        Set re = New RegExp
        re.Pattern = "^\(?(\d{3})\)?[-. ]?(\d{3})[-. ]?(\d{4})$"
        For Each key In m_people
            With m_people(key)
                If re.Test(.Phone) Then .Phone = re.Replace(.Phone, "$1-$2-$3") Else .Phone = "invalid: " & .Phone
            End With
        Next
    End Sub

    Public Sub Report
        Dim key
        For Each key In m_people.Keys : WriteLine key & ": " & m_people(key).Phone : Next
    End Sub
End Class

Dim book : Set book = New Directory
book.Add "Ann", "(555) 123-4567"
book.Add "Bob", "555.987.6543"
book.Add "Cy", "5551112222"
book.Add "Dee", "12-34"
book.Add "ann", "555 000 1111"
WriteLine book.Count
book.Normalise
book.Report
WriteLine (TypeName(book.Find("BOB")) & " " & book.Find("bob").Name) & " | " & (book.Find("Zed") Is Nothing)

' --- word counts: reading a missing key gives Empty, and Empty + 1 is 1
Dim counts, re, m, w
Set counts = CreateObject("Scripting.Dictionary")
Set re = New RegExp
re.Pattern = "\w+"
re.Global = True
For Each m In re.Execute("The cat and the hat and THE bat")
    counts(LCase(m.Value)) = counts(LCase(m.Value)) + 1
Next
For Each w In counts : Write w & "=" & counts(w) & " " : Next
WriteLine
' --- removing while walking a copy of the keys
For Each w In counts.Keys
    If counts(w) = 1 Then counts.Remove w
Next
WriteLine Join(counts.Keys, ",") & " " & Join(counts.Items, ",")
