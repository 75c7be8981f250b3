' MsgBox and InputBox through the runner's site, RGB, the locale, the
' engine's name and version, LoadPicture.
' --- MsgBox and InputBox
' Errs lists the error number of each expression, on one line.
Sub Errs(exprs) : Dim e, s : On Error Resume Next : For Each e In exprs : Err.Clear : e = Eval(e) : s = s & " " & Err.Number : Next : WriteLine Mid(s, 2) : End Sub
r = MsgBox("Hello from MsgBox", vbYesNo + vbQuestion, "Title")
WriteLine r = vbOK
WriteLine TypeName(MsgBox("second"))
name = InputBox("Your name?", "Ask", "nobody")
WriteLine "[" & name & "]"
other = InputBox("Again?", , "fallback")
WriteLine ("[" & other & "]") & " | " & TypeName(other)
' --- RGB
WriteLine RGB(255, 0, 0) & " " & RGB(0, 255, 0) & " " & RGB(0, 0, 255) & " " & RGB(255, 255, 255)
WriteLine (RGB(300, 1, 1000) & " " & RGB(1.5, 2.5, 0) & " " & (RGB(255, 0, 0) = vbRed)) & " | " & TypeName(RGB(1, 2, 3))
' --- locale and engine
WriteLine GetLocale() & " | " & (SetLocale(1033) & " " & SetLocale("en-us") & " " & GetLocale)
WriteLine ScriptEngine() & " " & ScriptEngineMajorVersion() & "." & ScriptEngineMinorVersion()
WriteLine IsNumeric(ScriptEngineBuildVersion) & " " & TypeName(ScriptEngineMajorVersion)
' --- errors
On Error Resume Next
Errs Array("RGB(-1, 0, 0)", "RGB(Null, 0, 0)", "RGB(""a"", 0, 0)")
x = SetLocale(1031) : WriteLine ErrNo & " " & GetLocale
Errs Array("SetLocale(""fr-fr"")", "LoadPicture(""picture.bmp"")")
Set o = CreateObject("No.SuchClass") : WriteLine ErrNo
' --- GetObject: "" with a class is a new instance; nothing is running or on file
Set o = GetObject("", "Scripting.Dictionary")
o.Add "k", 1
WriteLine Err.Number & " " & TypeName(o) & " " & o.Count
Set o = GetObject(, "Scripting.Dictionary") : WriteLine ErrNo
Set o = GetObject("", "No.SuchClass") : WriteLine ErrNo
Set o = GetObject("report.txt") : WriteLine ErrNo
Function ErrNo() : ErrNo = Err.Number : Err.Clear : End Function
