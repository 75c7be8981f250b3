' form.vbs: a form built with blocks. Each block is a column; EndBlock goes
' on to the right of its widest control, NewLine starts a row below them all.
'
'   +--------------------------------------+
'   | Name:         [_______________]      |
'   | E-mail:       [_______________]      |
'   | [ OK ] [Clear]                       |
'   +--------------------------------------+
Dialog.Caption = "Sign up"

BeginBlock
    AddLabel "NameLabel", "Name:"
    AddLabel "MailLabel", "E-mail:"
EndBlock

BeginBlock
    AddText "NameBox"
    AddText "MailBox"
EndBlock

NewLine
AddButton "OK", "OK"
AddButton "Wipe", "Clear"
NewLine
AddLabel "Status", "", 235

Sub OK_Click
    If NameBox = "" Then
        Status = "Please give a name."
    Else
        Status = "Thank you, " & NameBox & "."
    End If
End Sub

Sub Wipe_Click
    NameBox = ""
    MailBox = ""
    Status = ""
End Sub
