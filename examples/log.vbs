' log.vbs: a report box fed by buttons. WriteLine is the default member, so
' `History "text"` writes a line too; Out with False continues the line.
Dialog.Caption = "Log"
AddReport "History", , 320, 160
NewLine
AddText "Entry", "Something happened", 200
AddButton "Write", "Write"
NewLine
AddButton "Stamp", "Time stamp"
AddButton "Many", "1000 lines"
AddButton "Wipe", "Clear"

Dim count
count = 0

Sub Write_Click
    count = count + 1
    History count & ": " & Entry
End Sub

Sub Stamp_Click
    History.Out "[" & Time & "] ", False
    History.Out Entry
End Sub

Sub Many_Click
    Dim i
    For i = 1 To 1000
        History.WriteLine "line " & i & " of 1000"
    Next
End Sub

Sub Wipe_Click
    History.Clear
    count = 0
End Sub
