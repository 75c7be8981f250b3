' tour.vbs: every control and every Dialog member.
Dialog.Caption = "Vorna tour"

' A column of labels beside a column of text boxes.
BeginBlock
    AddLabel "AmountLabel", "Amount:"
    AddLabel "FactorLabel", "Factor:"
EndBlock
BeginBlock
    AddText "Amount", "12"
    AddText "Factor", "30"
EndBlock
BeginBlock
    AddButton "Add", "Add"
    AddButton "Times", "Multiply"
EndBlock

' A canvas and a report side by side on a new row.
NewLine
AddCanvas "Picture", , 200, 120
AddReport "History", , 260, 120

NewLine
AddLabel "Result", "Press a button.", 300
AddButton "Redraw", "Redraw"
AddButton "Done", "Close"

' Controls finds a control by name (any case) or by position from 1.
History "First control: " & TypeName(Controls(1)) & " " & Controls(1).Name
History "This box: " & Controls("HISTORY").Name
DrawPicture

Sub Show(text)
    Result.Caption = text
    History.WriteLine text
End Sub

Sub Add_Click
    Show Amount & " + " & Factor & " = " & (CDbl(Amount) + CDbl(Factor))
End Sub

Sub Times_Click
    Show Amount & " x " & Factor & " = " & (CDbl(Amount) * CDbl(Factor))
    Controls("picture").SetColor RGB(0, 128, 0)
    Picture.MoveTo 10, 110
    Picture.LineTo 10 + CInt(Amount) Mod 180, 110 - CInt(Factor) Mod 100
End Sub

Sub Redraw_Click
    DrawPicture
    History.Out "Redrawn at ", False
    History.Out Time
End Sub

Sub Done_Click
    If MsgBox("Close the tour?", vbYesNo + vbQuestion, "Vorna tour") = vbYes Then Quit
End Sub

Sub DrawPicture
    With Picture
        .Clear
        .SetColor RGB(0, 0, 160)
        .DrawRect 2, 2, 197, 117
        .SetColor RGB(200, 40, 40)
        .DrawRect 20, 60, 50, 100, True
        .SetColor RGB(40, 160, 40)
        .DrawRect 60, 40, 90, 100, True
        .SetColor RGB(40, 40, 200)
        .DrawRect 100, 20, 130, 100, True
        .SetColor &H80000008
        .MoveTo 160, 50
        .DrawEllipse 25
        .DrawEllipse 25, 1, -20, -70
        .MoveTo 8, 6
        .TextOut "Canvas"
    End With
End Sub
