' notes.vbs: a notes file in a report box. Typed notes are appended and
' saved at once; Reload reads the file again, Shell shows a command's output.
Dialog.Caption = "Notes"
AddReport "Notes", , 360, 160
NewLine
AddText "Entry", "", 270
AddButton "Add", "Add"
NewLine
AddButton "Reload", "Reload"
AddButton "Shell", "Disk usage"
AddLabel "Status", "", 180

Const ForReading = 1, ForAppending = 8
Dim fso, notesPath
Set fso = CreateObject("Scripting.FileSystemObject")
notesPath = fso.BuildPath(fso.GetSpecialFolder(2), "vorna-notes.txt")

If Not fso.FileExists(notesPath) Then
    With fso.CreateTextFile(notesPath)
        .WriteLine "Welcome to Vorna notes."
        .WriteLine "Type a line below and press Add."
        .Close
    End With
End If
Reload_Click

Sub Reload_Click
    Dim stream, count
    Notes.Clear
    Set stream = fso.OpenTextFile(notesPath, ForReading)
    Do Until stream.AtEndOfStream
        Notes stream.ReadLine
        count = count + 1
    Loop
    stream.Close
    Status.Caption = count & " notes in " & fso.GetFileName(notesPath)
End Sub

Sub Add_Click
    If Len(Trim(Entry.Text)) = 0 Then Exit Sub
    Dim stream
    Set stream = fso.OpenTextFile(notesPath, ForAppending, True)
    stream.WriteLine Now & "  " & Entry.Text
    stream.Close
    Entry.Text = ""
    Reload_Click
End Sub

Sub Shell_Click
    Dim run
    Set run = CreateObject("WScript.Shell").Exec("df -h " & fso.GetSpecialFolder(2).Path)
    Do Until run.StdOut.AtEndOfStream
        Notes "> " & run.StdOut.ReadLine
    Loop
End Sub
