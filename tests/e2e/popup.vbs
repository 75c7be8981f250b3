' The end-to-end popup case: a Popup that closes itself after a second
' answers -1.
r = CreateObject("WScript.Shell").Popup("This box closes itself.", 1, "Popup Test")
Dialog.Caption = "Popup answered " & r
