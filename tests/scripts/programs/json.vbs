' A JSON writer and reader for nested Dictionaries and arrays: recursion on TypeName
' and VarType, string escaping with ChrW/AscW, number text with CStr.
Function ToJson(v)
    Dim parts, k, i
    Select Case VarType(v)
        Case vbEmpty, vbNull
            ToJson = "null"
        Case vbBoolean
            If v Then ToJson = "true" Else ToJson = "false"
        Case vbInteger, vbLong, vbByte, vbSingle, vbDouble, vbCurrency
            ToJson = Replace(CStr(v), ",", ".")
        Case vbString
            ToJson = Quote(v)
        Case vbDate
            ToJson = Quote(Year(v) & "-" & Right("0" & Month(v), 2) & "-" & Right("0" & Day(v), 2))
        Case vbObject
            If TypeName(v) = "Dictionary" Then
                parts = Array()
                ReDim parts(v.Count - 1)
                i = 0
                For Each k In v.Keys
                    parts(i) = Quote(k) & ":" & ToJson(v(k))
                    i = i + 1
                Next
                ToJson = "{" & Join(parts, ",") & "}"
            ElseIf v Is Nothing Then
                ToJson = "null"
            Else
                Err.Raise 5, "ToJson", "Cannot serialise " & TypeName(v)
            End If
        Case Else
            If IsArray(v) Then
                parts = Array()
                If UBound(v) >= 0 Then ReDim parts(UBound(v))
                For i = 0 To UBound(v)
                    parts(i) = ToJson(v(i))
                Next
                ToJson = "[" & Join(parts, ",") & "]"
            Else
                Err.Raise 13, "ToJson", "Unsupported type " & TypeName(v)
            End If
    End Select
End Function

Function Quote(s)
    Dim i, ch, code, r
    r = """"
    For i = 1 To Len(s)
        ch = Mid(s, i, 1)
        code = AscW(ch)
        If code < 0 Then code = code + 65536
        Select Case ch
            Case """": r = r & "\"""
            Case "\": r = r & "\\"
            Case vbLf: r = r & "\n"
            Case vbTab: r = r & "\t"
            Case Else
                If code < 32 Or code > 126 Then
                    r = r & "\u" & Right("000" & LCase(Hex(code)), 4)
                Else
                    r = r & ch
                End If
        End Select
    Next
    Quote = r & """"
End Function

' --- a small reader, enough to read back what the writer produced
Class JsonReader
    Private m_s, m_i
    Public Function Parse(s)
        m_s = s
        m_i = 1
        If IsObjectStart() Then
            Set Parse = ReadValue()
        Else
            Parse = ReadValue()
        End If
    End Function
    Private Function IsObjectStart()
        SkipSpace
        IsObjectStart = (Mid(m_s, m_i, 1) = "{")
    End Function
    Private Sub SkipSpace()
        Do While Mid(m_s, m_i, 1) = " "
            m_i = m_i + 1
        Loop
    End Sub
    Private Function ReadValue()
        Dim ch
        SkipSpace
        ch = Mid(m_s, m_i, 1)
        If ch = "{" Then
            Set ReadValue = ReadObject()
        ElseIf ch = "[" Then
            ReadValue = ReadArray()
        ElseIf ch = """" Then
            ReadValue = ReadString()
        ElseIf Mid(m_s, m_i, 4) = "true" Then
            m_i = m_i + 4: ReadValue = True
        ElseIf Mid(m_s, m_i, 5) = "false" Then
            m_i = m_i + 5: ReadValue = False
        ElseIf Mid(m_s, m_i, 4) = "null" Then
            m_i = m_i + 4: ReadValue = Null
        Else
            ReadValue = ReadNumber()
        End If
    End Function
    Private Function ReadObject()
        Dim d, key
        Set d = CreateObject("Scripting.Dictionary")
        m_i = m_i + 1
        SkipSpace
        Do While Mid(m_s, m_i, 1) <> "}"
            key = ReadString()
            SkipSpace
            m_i = m_i + 1 ' the colon
            If IsObjectStart() Then
                Set d(key) = ReadValue()
            Else
                d(key) = ReadValue()
            End If
            SkipSpace
            If Mid(m_s, m_i, 1) = "," Then m_i = m_i + 1
            SkipSpace
        Loop
        m_i = m_i + 1
        Set ReadObject = d
    End Function
    Private Function ReadArray()
        Dim items, n
        items = Array()
        n = -1
        m_i = m_i + 1
        SkipSpace
        Do While Mid(m_s, m_i, 1) <> "]"
            n = n + 1
            ReDim Preserve items(n)
            If IsObjectStart() Then
                Set items(n) = ReadValue()
            Else
                items(n) = ReadValue()
            End If
            SkipSpace
            If Mid(m_s, m_i, 1) = "," Then m_i = m_i + 1
            SkipSpace
        Loop
        m_i = m_i + 1
        ReadArray = items
    End Function
    Private Function ReadString()
        Dim r, ch
        r = ""
        m_i = m_i + 1
        Do
            ch = Mid(m_s, m_i, 1)
            If ch = """" Then Exit Do
            If ch = "\" Then
                m_i = m_i + 1
                ch = Mid(m_s, m_i, 1)
                Select Case ch
                    Case "n": ch = vbLf
                    Case "t": ch = vbTab
                    Case "u"
                        ch = ChrW(CLng("&H" & Mid(m_s, m_i + 1, 4)))
                        m_i = m_i + 4
                End Select
            End If
            r = r & ch
            m_i = m_i + 1
        Loop
        m_i = m_i + 1
        ReadString = r
    End Function
    Private Function ReadNumber()
        Dim start
        start = m_i
        Do While InStr("-+.0123456789eE", Mid(m_s, m_i, 1)) > 0 And m_i <= Len(m_s)
            m_i = m_i + 1
        Loop
        ReadNumber = CDbl(Mid(m_s, start, m_i - start))
    End Function
End Class

Dim doc, person, tags, json, back, reader
Set doc = CreateObject("Scripting.Dictionary")
Set person = CreateObject("Scripting.Dictionary")
person("name") = "Zoë ""Z"" O'Neil"
person("age") = 37
person("height") = 1.68
person("born") = #3/9/1989#
person("member") = True
person("note") = Null
doc.Add "person", person
tags = Array("a\b", "tab" & vbTab & "bed", 1E+21, -0.000015, CCur(19.99), Array())
doc.Add "tags", tags
doc.Add "empty", CreateObject("Scripting.Dictionary")
doc.Add "count", CLng(2) ^ 31
json = ToJson(doc)
WriteLine json

Set reader = New JsonReader
Set back = reader.Parse(json)
WriteLine TypeName(back) & " " & back.Count & " " & Join(back.Keys, ",")
WriteLine back("person")("name") & " | " & back("person")("age") & " " & TypeName(back("person")("age"))
WriteLine back("tags")(0) & " | " & Len(back("tags")(1)) & " | " & back("tags")(2) & " | " & back("tags")(4) & " | " & UBound(back("tags")(5))
WriteLine IsNull(back("person")("note")) & " " & back("person")("member") & " " & back("empty").Count & " " & back("count")
WriteLine (ToJson(back) = json)
WriteLine ToJson(reader.Parse("[1, [2, [3, []]], {""k"": [true, false, null]}]"))
On Error Resume Next
WriteLine ToJson(New JsonReader)
WriteLine Err.Source & ": " & Err.Description
