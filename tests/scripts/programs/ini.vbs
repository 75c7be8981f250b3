' An INI-file reader: lines split on newlines, sections in nested Dictionaries,
' comments and malformed lines reported, keys sorted for output.
Dim text
text = "; settings" & vbCrLf & _
       "[General]" & vbCrLf & _
       "Name = Vorna Demo " & vbCrLf & _
       "version=1.5" & vbCrLf & _
       "" & vbCrLf & _
       "[Window]" & vbLf & _
       "width = 640" & vbLf & _
       "Height=480" & vbLf & _
       "title = ""Hello, world""" & vbLf & _
       "garbage line" & vbLf & _
       "# another comment" & vbLf & _
       "[general]" & vbLf & _
       "debug = true" & vbLf & _
       "=novalue"

Function ParseIni(src, errors)
    Dim sections, current, lines, i, line, eq, key, value
    Set sections = CreateObject("Scripting.Dictionary")
    sections.CompareMode = vbTextCompare
    lines = Split(Replace(src, vbCrLf, vbLf), vbLf)
    current = ""
    For i = 0 To UBound(lines)
        line = Trim(lines(i))
        If line = "" Or Left(line, 1) = ";" Or Left(line, 1) = "#" Then
            ' blank or comment
        ElseIf Left(line, 1) = "[" And Right(line, 1) = "]" Then
            current = Mid(line, 2, Len(line) - 2)
            If Not sections.Exists(current) Then
                sections.Add current, CreateObject("Scripting.Dictionary")
                sections(current).CompareMode = vbTextCompare
            End If
        Else
            eq = InStr(line, "=")
            If eq <= 1 Then
                errors = errors & "line " & (i + 1) & ": " & line & vbLf
            Else
                key = Trim(Left(line, eq - 1))
                value = Trim(Mid(line, eq + 1))
                If Len(value) >= 2 And Left(value, 1) = """" And Right(value, 1) = """" Then
                    value = Mid(value, 2, Len(value) - 2)
                ElseIf IsNumeric(value) Then
                    value = CDbl(value)
                ElseIf LCase(value) = "true" Or LCase(value) = "false" Then
                    value = CBool(value)
                End If
                sections(current).Item(key) = value
            End If
        End If
    Next
    Set ParseIni = sections
End Function

Function SortedKeys(d)
    Dim keys, i, j, t
    keys = d.Keys
    For i = 1 To UBound(keys)
        t = keys(i)
        j = i - 1
        Do While j >= 0
            If StrComp(keys(j), t, vbTextCompare) <= 0 Then Exit Do
            keys(j + 1) = keys(j)
            j = j - 1
        Loop
        keys(j + 1) = t
    Next
    SortedKeys = keys
End Function

Dim ini, errs, s, k
errs = ""
Set ini = ParseIni(text, errs)
WriteLine ini.Count & " sections: " & Join(ini.Keys, ", ")
For Each s In SortedKeys(ini)
    WriteLine "[" & s & "]"
    For Each k In SortedKeys(ini(s))
        WriteLine "  " & k & " = " & ini(s)(k) & " (" & TypeName(ini(s)(k)) & ")"
    Next
Next
Write errs
WriteLine "area " & ini("window")("WIDTH") * ini("Window")("height")
WriteLine "debug is " & ini("GENERAL")("Debug") & ", version > 1: " & (ini("General")("Version") > 1)
WriteLine "missing section exists: " & ini.Exists("Fonts") & ", missing key: [" & ini("General")("nope") & "]"
