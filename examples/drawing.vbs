' drawing.vbs: every Canvas primitive. A bar chart with axes, a clock face
' with hands, and wedges in colours.
Dialog.Caption = "Drawing"
AddCanvas "Chart", , 220, 160
AddCanvas "Clock", , 160, 160
AddCanvas "Pie", , 160, 160
NewLine
AddButton "Again", "Redraw"
AddButton "Done", "Close"

Const Pi = 3.14159265358979

DrawChart
DrawClock
DrawPie

Sub DrawChart
    Dim values, i, x, h
    values = Array(40, 95, 70, 120, 55)
    Chart.Clear
    Chart.SetColor RGB(0, 0, 0)
    Chart.MoveTo 20, 10
    Chart.LineTo 20, 140
    Chart.LineTo 210, 140
    For i = 0 To UBound(values)
        x = 30 + i * 35
        h = values(i)
        Chart.SetColor RGB(40 + i * 40, 90, 220 - i * 40)
        Chart.DrawRect x, 140 - h, x + 24, 139, True
        Chart.SetColor RGB(0, 0, 0)
        Chart.DrawRect x, 140 - h, x + 24, 139
        Chart.MoveTo x + 6, 143
        Chart.TextOut CStr(i + 1)
    Next
    Chart.MoveTo 26, 2
    Chart.TextOut "Sales"
End Sub

Sub DrawClock
    Dim i, a, r
    Clock.Clear
    Clock.SetColor RGB(30, 30, 30)
    Clock.MoveTo 80, 80
    Clock.DrawEllipse 70
    Clock.DrawEllipse 3
    For i = 0 To 11
        a = i * Pi / 6
        Clock.MoveTo 80 + 62 * Cos(a), 80 - 62 * Sin(a)
        Clock.LineTo 80 + 68 * Cos(a), 80 - 68 * Sin(a)
    Next
    ' Hands from the current time.
    a = Pi / 2 - (Hour(Now) Mod 12 + Minute(Now) / 60) * Pi / 6
    Hand a, 38, RGB(0, 0, 0)
    a = Pi / 2 - Minute(Now) * Pi / 30
    Hand a, 56, RGB(0, 0, 160)
    a = Pi / 2 - Second(Now) * Pi / 30
    Hand a, 60, RGB(200, 0, 0)
End Sub

Sub Hand(angle, length, colour)
    Clock.SetColor colour
    Clock.MoveTo 80, 80
    Clock.LineTo 80 + length * Cos(angle), 80 - length * Sin(angle)
End Sub

Sub DrawPie
    Dim shares, colours, i, start, finish
    shares = Array(90, 60, 120, 90)
    colours = Array(RGB(220, 50, 50), RGB(50, 160, 50), RGB(50, 80, 220), RGB(230, 170, 20))
    Pie.Clear
    start = 1
    For i = 0 To UBound(shares)
        finish = start + shares(i)
        If finish > 360 Then finish = 360
        Pie.SetColor colours(i)
        Pie.MoveTo 80, 80
        ' Negative angles draw the radius lines: a closed wedge.
        Pie.DrawEllipse 60, 1, -start, -finish
        start = finish
    Next
    Pie.SetColor RGB(0, 0, 0)
    Pie.MoveTo 80, 80
    Pie.DrawEllipse 70, 0.3
    Pie.MoveTo 50, 2
    Pie.TextOut "Shares"
End Sub

Sub Again_Click
    DrawChart
    DrawClock
    DrawPie
End Sub

Sub Done_Click
    Quit
End Sub
