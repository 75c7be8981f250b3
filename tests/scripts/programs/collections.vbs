' A contact book: a class holding a Dictionary of objects, walked with For Each and
' cleaned up with regular expressions.
Class Contact
    Public Name, Phone, Email
End Class

Class ContactBook
    Private m_byName
    Private Sub Class_Initialize()
        Set m_byName = CreateObject("Scripting.Dictionary")
    End Sub
    Public Sub Add(name, phone, email)
        Dim c
        Set c = New Contact
        c.Name = name: c.Phone = phone: c.Email = email
        Set m_byName(name) = c
    End Sub
    Public Property Get Contacts()
        Set Contacts = m_byName
    End Property
End Class

Dim book, key, c, re, m, matches
Set book = New ContactBook
book.Add "Ada", "(555) 123-4567", "ada@example.com"
book.Add "Brian", "555.987.6543", "brian at example dot com"
book.Add "Chen", "5551112222", "chen@mail.example.org"
WriteLine book.Contacts.Count & " contacts"

' --- normalise phone numbers with a pattern and $n references
Set re = New RegExp
re.Pattern = "^\D*(\d{3})\D*(\d{3})\D*(\d{4})$"
For Each key In book.Contacts
    Set c = book.Contacts.Item(key)
    If re.Test(c.Phone) Then c.Phone = re.Replace(c.Phone, "$1-$2-$3")
    WriteLine key & ": " & c.Phone
Next

' --- validate e-mail addresses
Dim mail
Set mail = New RegExp
mail.Pattern = "^[\w.]+@([\w]+\.)+[a-z]{2,}$"
mail.IgnoreCase = True
For Each c In book.Contacts.Items
    WriteLine c.Name & " valid=" & mail.Test(c.Email)
Next

' --- a match collection: Count, Item, FirstIndex, Length, SubMatches
Set re = New RegExp
re.Pattern = "(\w+)@(\w+)"
re.Global = True
Set matches = re.Execute("to: ada@home, bob@work; cc: eve@lab")
WriteLine matches.Count & " matches"
For Each m In matches
    WriteLine m.FirstIndex & "+" & m.Length & " " & m & " user=" & m.SubMatches(0) & " host=" & m.SubMatches(1)
Next
WriteLine matches(1).Value & " " & matches.Item(2).SubMatches.Count
' --- without Global only the first match
re.Global = False
WriteLine re.Execute("a@b c@d").Count & " " & re.Replace("a@b c@d", "[$2 at $1]")
re.Global = True
WriteLine re.Replace("a@b c@d", "<$&>") & " " & re.Replace("x a@b y", "[$`|$']")
' --- word frequencies with a pattern and a text-compare Dictionary
Dim freq, w
Set freq = CreateObject("Scripting.Dictionary")
freq.CompareMode = vbTextCompare
Set re = New RegExp
re.Pattern = "[a-z']+"
re.Global = True
re.IgnoreCase = True
For Each m In re.Execute("It's the end. The END, the end! it's over")
    freq(m.Value) = freq(m.Value) + 1
Next
For Each w In freq
    WriteLine w & "=" & freq(w)
Next
' --- keys and items as arrays, removal during a copy of the keys
Dim keys, items
keys = freq.Keys
items = freq.Items
WriteLine Join(keys, ",") & " / " & Join(items, ",")
For Each w In keys
    If freq(w) = 1 Then freq.Remove w
Next
WriteLine Join(freq.Keys, ",") & " " & freq.Exists("THE") & " " & freq.Exists("over")
' --- key renaming and numeric keys
freq.Key("the") = "article"
WriteLine Join(freq.Keys, ",") & " " & freq("article")
Dim nums
Set nums = CreateObject("Scripting.Dictionary")
nums.Add 1, "int one"
nums.Add "1", "string one"
nums.Add 1.5, "one and a half"
WriteLine nums.Count & " " & nums(1) & " | " & nums("1") & " | " & nums(1.5)
WriteLine IsEmpty(nums("missing")) & " " & nums.Count
nums.RemoveAll
WriteLine nums.Count & " " & UBound(nums.Keys)
