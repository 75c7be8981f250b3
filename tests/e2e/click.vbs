' The end-to-end click case: a button whose procedure sets the caption.
Dialog.Caption = "E2E Test"
AddButton "OK", "OK"
AddLabel "Info", "Click OK"

Sub OK_Click
    Dialog.Caption = "Clicked " & OK.Name
End Sub
