' Word statistics and line reshaping with Split, Join, Replace and InStr.
Dim text, words, i, w, counts, longest
text = "the quick brown fox  jumps over the lazy dog, the end"
' --- Split on a single space keeps empty fields between double spaces
words = Split(text, " ")
WriteLine UBound(words) & " " & LBound(words)
WriteLine "[" & words(4) & "]"
' --- counting words through a Dictionary
Set counts = CreateObject("Scripting.Dictionary")
For Each w In words
    w = Replace(w, ",", "")
    If Len(w) > 0 Then
        If counts.Exists(w) Then
            counts(w) = counts(w) + 1
        Else
            counts.Add w, 1
        End If
    End If
Next
WriteLine counts.Count & " distinct, 'the' x" & counts("the")
longest = ""
For Each w In counts.Keys
    If Len(w) > Len(longest) Then longest = w
Next
WriteLine "longest " & longest
' --- Join with a delimiter and without one
WriteLine Join(Array("a", "b", "c"), "-") & " " & Join(Array("a", "b", "c"))
WriteLine "[" & Join(Array(), ",") & "]"
' --- Split with count and the default delimiter
Dim parts
parts = Split("a b c d", " ", 2)
WriteLine UBound(parts) & " [" & parts(1) & "]"
parts = Split("one two")
WriteLine parts(0) & "|" & parts(1)
parts = Split("")
WriteLine UBound(parts)
parts = Split("a,B,b,c", "b", -1, vbTextCompare)
WriteLine UBound(parts) & " " & Join(parts, "|")
' --- InStr and InStrRev positions
WriteLine InStr(text, "the") & " " & InStr(2, text, "the") & " " & InStrRev(text, "the")
WriteLine InStr(1, "ABC", "b") & " " & InStr(1, "ABC", "b", 1) & " " & InStr("abc", "")
WriteLine InStr(5, "abc", "c") & " " & InStrRev("abcabc", "c", 5)
' --- Replace with start and count returns only the tail from start
WriteLine Replace("aaaa", "a", "b", 2, 2)
WriteLine Replace("Hello World", "o", "0", 1, -1)
WriteLine Replace("ABab", "a", "x", 1, -1, vbTextCompare)
' --- reversing words and title-casing them
Dim out
out = ""
For i = UBound(words) To 0 Step -1
    w = words(i)
    If w <> "" Then out = out & UCase(Left(w, 1)) & Mid(w, 2) & " "
Next
WriteLine RTrim(out)
WriteLine StrReverse("stressed") & " " & LCase("MiXeD") & " [" & Trim("  pad  ") & "]"
' --- CSV line with quoted field handled by hand
Dim line, fields, field, inQuote, ch
line = "1,""Smith, John"",42"
fields = Array()
field = ""
inQuote = False
For i = 1 To Len(line)
    ch = Mid(line, i, 1)
    If ch = """" Then
        inQuote = Not inQuote
    ElseIf ch = "," And Not inQuote Then
        ReDim Preserve fields(UBound(fields) + 1)
        fields(UBound(fields)) = field
        field = ""
    Else
        field = field & ch
    End If
Next
ReDim Preserve fields(UBound(fields) + 1)
fields(UBound(fields)) = field
WriteLine UBound(fields) + 1 & " fields: " & Join(fields, " | ")
' --- Filter
WriteLine Join(Filter(Array("apple", "banana", "cherry"), "an"), ",")
WriteLine Join(Filter(Array("apple", "banana", "cherry"), "an", False), ",")
WriteLine Join(Filter(Array("Apple", "pear"), "AP", True, vbTextCompare), ",")
' --- String and Space padding
WriteLine String(3, "*") & Space(2) & "|" & String(2, 65) & "|" & String(2, "xyz")
