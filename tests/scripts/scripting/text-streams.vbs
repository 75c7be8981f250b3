' TextStream over files: UTF-8 and UTF-16 writing and reading, Windows-1252
' and byte-order-mark reading, appending, line ends, positions, and every
' error number of opening, reading and writing.
Option Explicit
Const ForReading = 1, ForWriting = 2, ForAppending = 8
Dim fso, sh, root, t, s, i, x
Set fso = CreateObject("Scripting.FileSystemObject")
Set sh = CreateObject("WScript.Shell")
root = fso.BuildPath(fso.GetSpecialFolder(2).Path, fso.GetTempName)
fso.CreateFolder root

Function P(name) : P = root & "/" & name : End Function
Sub Try(code) : On Error Resume Next : ExecuteGlobal code : WriteLine code & " -> " & Err.Number : End Sub
Function Codes(text) ' the character codes of a string
    Dim k : For k = 1 To Len(text) : Codes = Codes & " " & AscW(Mid(text, k, 1)) : Next
End Function
Sub Bytes(name, octal) ' writes raw bytes through printf
    sh.Run "printf '" & octal & "' > '" & P(name) & "'", 0, True
End Sub

' --- UTF-8 by default, UTF-16 LE with a byte-order mark when asked
s = "h" & ChrW(233) & "llo " & ChrW(8364)
Set t = fso.CreateTextFile(P("u8.txt")) : t.WriteLine s : t.Close
Set t = fso.CreateTextFile(P("u16.txt"), True, True) : t.WriteLine s : t.Close
WriteLine fso.GetFile(P("u8.txt")).Size & " " & fso.GetFile(P("u16.txt")).Size
WriteLine (fso.OpenTextFile(P("u8.txt")).ReadLine = s) & " " & (fso.OpenTextFile(P("u16.txt")).ReadLine = s) & " " & (fso.OpenTextFile(P("u16.txt"), ForReading, False, -1).ReadLine = s)
Set t = fso.OpenTextFile(P("u16.txt"), ForAppending, False, -1) : t.Write "z" : t.Close
WriteLine fso.GetFile(P("u16.txt")).Size & " " & Len(fso.OpenTextFile(P("u16.txt")).ReadAll)
Bytes "nobom16.txt", "a\000b\000"
WriteLine fso.OpenTextFile(P("nobom16.txt"), ForReading, False, -1).ReadAll
Bytes "be16.txt", "\376\377\000a\000b"
WriteLine fso.OpenTextFile(P("be16.txt")).ReadAll

' --- other bytes: a UTF-8 byte-order mark skipped, non-UTF-8 as Windows-1252
Bytes "bom8.txt", "\357\273\277abc"
WriteLine Codes(fso.OpenTextFile(P("bom8.txt")).ReadAll)
Bytes "cp1252.txt", "caf\351 \200\n"
WriteLine Codes(fso.OpenTextFile(P("cp1252.txt")).ReadLine)

' --- writing, appending, creating
Set t = fso.OpenTextFile(P("new.txt"), ForWriting, True)
t.Write "one" : t.WriteBlankLines 2 : t.Write "x"
WriteLine t.Line & " " & t.Column
t.Close
Set t = fso.OpenTextFile(P("new.txt"), ForAppending) : t.WriteLine "y" : t.Close
WriteLine Replace(fso.OpenTextFile(P("new.txt")).ReadAll, vbLf, "|")
Set t = fso.OpenTextFile(P("new.txt"), ForWriting) : t.Write "short" : t.Close
WriteLine fso.OpenTextFile(P("new.txt")).ReadAll
Set t = fso.GetFile(P("new.txt")).OpenAsTextStream(ForAppending) : t.Write "!" : t.Close
WriteLine fso.GetFolder(root).CreateTextFile("f.txt").Line & " " & fso.OpenTextFile(P("new.txt")).ReadAll
WriteLine fso.OpenTextFile(P("made.txt"), ForReading, True).AtEndOfStream & " " & fso.FileExists(P("made.txt"))

' --- reading: LF, CR LF and CR line ends, Line and Column, Read, Skip
Bytes "ends.txt", "a\r\nb\rc\nd"
Set t = fso.OpenTextFile(P("ends.txt"))
Do Until t.AtEndOfStream : s = t.Line : WriteLine s & ":" & t.ReadLine : Loop
WriteLine t.Line & " " & t.Column
Bytes "pos.txt", "abc\ndef\n\nlast"
Set t = fso.OpenTextFile(P("pos.txt"))
WriteLine t.Read(2) & " " & t.Column & " " & t.AtEndOfLine
t.Skip 1
WriteLine t.AtEndOfLine & " " & t.Column
t.SkipLine
WriteLine t.Line & " " & t.ReadLine & " " & t.AtEndOfLine
t.SkipLine
WriteLine t.Read(100) & " " & t.AtEndOfStream & " " & t.AtEndOfLine

' --- errors: 62 past the end, 54 wrong mode, 53/76 missing, 58 exists,
' 70 read-only or a folder, 52 bad name, 5 bad arguments
Try "t.ReadLine"
Try "t.Read 1"
Try "t.Skip 1"
Try "t.SkipLine"
Try "fso.CreateTextFile(P(""empty.txt"")).Close : fso.OpenTextFile(P(""empty.txt"")).ReadAll"
Try "fso.OpenTextFile(P(""empty.txt""), ForAppending).ReadLine"
Try "x = fso.OpenTextFile(P(""empty.txt""), ForWriting).AtEndOfStream"
Try "fso.OpenTextFile(P(""empty.txt"")).Write ""x"""
Try "fso.OpenTextFile(P(""empty.txt"")).WriteLine"
Try "fso.OpenTextFile P(""missing.txt"")"
Try "fso.OpenTextFile P(""missing.txt""), ForAppending"
Try "fso.OpenTextFile P(""nofolder/x.txt""), ForWriting, True"
Try "fso.CreateTextFile P(""nofolder/x.txt"")"
Try "fso.CreateTextFile P(""empty.txt""), False"
Try "fso.OpenTextFile P(""*.txt"")"
Try "fso.OpenTextFile P(""u8.txt""), 3"
Try "fso.OpenTextFile P(""u8.txt""), ForReading, False, 1"
Try "fso.OpenTextFile(P(""u8.txt"")).Read -1"
fso.GetFile(P("u8.txt")).Attributes = 1
Try "fso.OpenTextFile P(""u8.txt""), ForWriting"
Try "fso.OpenTextFile P(""u8.txt""), ForAppending"
Try "fso.CreateTextFile P(""u8.txt"")"
WriteLine fso.OpenTextFile(P("u8.txt")).ReadLine = ("h" & ChrW(233) & "llo " & ChrW(8364))
fso.CreateFolder P("dir")
Try "fso.OpenTextFile P(""dir"")"
Try "fso.CreateTextFile P(""dir"")"

fso.DeleteFolder root, True
WriteLine fso.FolderExists(root)
