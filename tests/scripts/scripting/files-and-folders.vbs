' FileSystemObject, File and Folder over a fresh temporary folder: path
' names, creation, enumeration, copy/move/delete with wildcards, read-only
' files, and the error each failure ends in.
Option Explicit
Dim fso, root, f, x, s
Set fso = CreateObject("Scripting.FileSystemObject")
root = fso.BuildPath(fso.GetSpecialFolder(2).Path, fso.GetTempName)
fso.CreateFolder root

Function P(name) : P = root & "/" & name : End Function
Sub Touch(name, text) : With fso.CreateTextFile(P(name)) : .Write text : .Close : End With : End Sub
Sub Try(code) : On Error Resume Next : ExecuteGlobal code : WriteLine code & " -> " & Err.Number : End Sub
Function Listing(folder) ' "file file | folder"
    Dim item, out
    For Each item In fso.GetFolder(P(folder)).Files : out = out & item.Name & " " : Next
    out = out & "|"
    For Each item In fso.GetFolder(P(folder)).SubFolders : out = out & " " & item.Name : Next
    Listing = out
End Function

' --- path names: both separators, results with /
WriteLine fso.BuildPath("a\b", "c.txt") & " " & fso.BuildPath("a/", "c") & " " & fso.BuildPath("", "c")
WriteLine fso.GetFileName("C:\dir\file.tar.gz") & " " & fso.GetBaseName("/dir/file.tar.gz") & " " & fso.GetExtensionName("/dir/file.tar.gz")
WriteLine fso.GetParentFolderName("/a/b/c.txt") & " [" & fso.GetParentFolderName("c.txt") & "] " & fso.GetFileName("/a/b/") & " [" & fso.GetExtensionName("noext") & "]"
WriteLine fso.GetAbsolutePathName("/a/./b/..\c") & " " & fso.GetParentFolderName("/a")
WriteLine (fso.GetAbsolutePathName("x") = CreateObject("WScript.Shell").CurrentDirectory & "/x")

' --- creating and looking up
Touch "a.txt", "abc" : Touch "b.txt", "12345" : Touch "c.log", "" : Touch ".hidden", "h"
fso.CreateFolder P("sub") : Touch "sub/d.txt", "dd"
WriteLine Listing("") & " / " & Listing("sub")
WriteLine fso.FileExists(P("a.txt")) & " " & fso.FileExists(P("sub")) & " " & fso.FolderExists(P("sub")) & " " & fso.FolderExists(P("a.txt"))
Set f = fso.GetFile(root & "\a.txt")
WriteLine TypeName(f) & " " & f.Name & " " & f.Size & " " & (f.Path = P("a.txt")) & " " & (f = P("a.txt")) & " " & (f.ParentFolder.Path = root)
WriteLine f.Attributes & " " & fso.GetFile(P(".hidden")).Attributes & " " & fso.GetFolder(P("sub")).Attributes & " " & TypeName(f.DateLastModified)
Set x = fso.GetFolder(root)
WriteLine TypeName(x) & " " & TypeName(x.Files) & " " & TypeName(x.SubFolders) & " " & TypeName(fso.Drives) & " " & x.Size & " " & x.Files.Count & " " & x.SubFolders.Count & " " & x.Files("b.txt").Size & " " & x.IsRootFolder & " " & fso.GetFolder("/").IsRootFolder
WriteLine fso.Drives.Count & " " & fso.GetDrive("/").Path & " " & f.Drive.Path & " " & (fso.GetFolder("/").ParentFolder Is Nothing)
Try "fso.CreateFolder P(""sub"")"
Try "fso.CreateFolder P(""no/such"")"
Try "fso.CreateFolder P(""wild*"")"
Try "fso.GetFile P(""missing.txt"")"
Try "fso.GetFolder P(""missing"")"
Try "x = fso.GetFolder(root).Files(""missing.txt"")"
Try "fso.GetSpecialFolder 3"

' --- copy: wildcards, folders as destinations, overwrite, read-only targets
fso.CreateFolder P("copy")
fso.CopyFile root & "\*.txt", P("copy/")
WriteLine Listing("copy")
Touch "a.txt", "new a"
Try "fso.CopyFile P(""a.txt""), P(""copy/a.txt""), False"
WriteLine fso.GetFile(P("copy/a.txt")).Size
CreateObject("WScript.Shell").Run "touch -m -t 200102030405.06 '" & P("a.txt") & "'", 0, True
fso.CopyFile P("a.txt"), P("copy/a.txt") ' the copy keeps the modification time
WriteLine fso.GetFile(P("copy/a.txt")).Size & " " & (fso.GetFile(P("copy/a.txt")).DateLastModified = #2001-02-03 04:05:06#)
fso.GetFile(P("copy/b.txt")).Attributes = 1
Try "fso.CopyFile P(""a.txt""), P(""copy/b.txt"")"
Try "fso.CopyFile P(""*.none""), P(""copy/"")"
Try "fso.CopyFile P(""missing.txt""), P(""copy/"")"
Try "fso.CopyFile P(""nofolder/a.txt""), P(""copy/"")"
Try "fso.CopyFile P(""a.txt""), P(""nofolder/a.txt"")"
Try "fso.CopyFile P(""a.txt""), P(""copy"")"
WriteLine Listing("copy") & " " & fso.GetFile(P("copy/b.txt")).Size & " " & fso.GetFile(P("copy/b.txt")).Attributes

' --- delete: read-only needs force
Try "fso.DeleteFile P(""copy/b.txt"")"
Try "fso.DeleteFile P(""copy/*.none"")"
Try "fso.DeleteFile P(""copy/missing.txt"")"
Try "fso.DeleteFile P(""nofolder/a.txt"")"
Touch "copy/noext", ""
fso.DeleteFile P("copy/*.*"), True ' names without a dot too
WriteLine "[" & Listing("copy") & "]"

' --- move and rename
fso.MoveFile P("*.log"), P("sub/")
Try "fso.MoveFile P(""a.txt""), P(""sub/d.txt"")"
Try "fso.MoveFile P(""missing.txt""), P(""sub/"")"
Try "fso.MoveFile P(""nofolder/a.txt""), P(""sub/"")"
Set f = fso.GetFile(P("b.txt"))
f.Move P("sub/")
WriteLine (f.Path = P("sub/b.txt")) & " " & Listing("sub")
f.Name = "e.txt"
WriteLine f.Name & " " & fso.FileExists(P("sub/e.txt"))
Try "f.Name = ""d.txt"""
Try "f.Name = ""e?.txt"""
f.Copy P("e-copy.txt")
WriteLine fso.GetFile(P("e-copy.txt")).Size & " " & f.Size

' --- folders: copy (into itself refused), move, delete, Add
fso.CopyFolder P("sub"), P("sub2")
WriteLine Listing("sub2")
Try "fso.CopyFolder P(""sub""), P(""sub/inner"")"
fso.MoveFolder P("sub2"), P("sub3")
WriteLine fso.FolderExists(P("sub2")) & " " & Listing("sub3")
Try "fso.MoveFolder P(""sub3""), P(""sub"")"
Try "fso.DeleteFolder P(""missing"")"
Try "fso.CopyFolder P(""missing""), P(""x"")"
fso.GetFolder(root).SubFolders.Add "added"
fso.CopyFolder P("sub*"), P("added/")
WriteLine Listing("added")
fso.GetFile(P("added/sub/d.txt")).Attributes = 1
fso.GetFolder(P("added/sub3")).Attributes = 1
Try "fso.DeleteFolder P(""added/sub3"")"
Try "fso.DeleteFolder P(""added"")"
WriteLine fso.FileExists(P("added/sub/d.txt")) & " " & fso.GetFolder(P("added/sub3")).Attributes
CreateObject("WScript.Shell").Run "ln -s . '" & P("added/sub/self") & "'", 0, True ' a link back: counted once
Try "fso.CopyFolder P(""added""), P(""looped"")"
WriteLine fso.GetFolder(P("added")).Size & " " & fso.FolderExists(P("looped"))
CreateObject("WScript.Shell").Run "ln -s '" & P("sub") & "' '" & P("added/link") & "'", 0, True
fso.DeleteFolder P("added"), True ' the link goes, not the files in sub
WriteLine Listing("") & " / " & Listing("sub")

fso.DeleteFolder root, True
WriteLine fso.FolderExists(root)
