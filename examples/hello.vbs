' hello.vbs: the smallest dialog. A label, a button, and the procedure the
' button's click runs (its name followed by _Click).
Dialog.Caption = "Hello"
AddLabel "Greeting", "Hello, world!", 160
AddButton "Wave", "Wave"
AddButton "Done", "Close"

Sub Wave_Click
    Greeting.Caption = "Hello again, at " & Time
End Sub

Sub Done_Click
    Quit
End Sub
