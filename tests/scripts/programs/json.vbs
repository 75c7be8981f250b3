' A JSON writer for nested Dictionaries and arrays: recursion on TypeName and
' VarType, string escaping with AscW, number text with CStr.
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
                For Each k In v.Keys : parts(i) = Quote(k) & ":" & ToJson(v(k)) : i = i + 1 : Next
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
                For i = 0 To UBound(v) : parts(i) = ToJson(v(i)) : Next
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

Class Opaque
End Class

Dim doc, person, tags, inner
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
WriteLine ToJson(doc)
Set inner = CreateObject("Scripting.Dictionary")
inner("k") = Array(True, False, Null, Nothing)
WriteLine ToJson(Array(1, Array(2, Array(3, Array())), inner))
On Error Resume Next
WriteLine ToJson(New Opaque)
WriteLine Err.Source & ": " & Err.Description
