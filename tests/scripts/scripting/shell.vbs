' WScript.Shell: Run and Exec through /bin/sh (exit statuses, a megabyte on
' both pipes, standard input), the environment, %NAME% expansion, the
' current folder, Popup; and vbsrun's exit statuses seen from outside.
Option Explicit
Dim sh, fso, e, s, n, root, here, item, found, env, x
Set sh = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")
root = fso.BuildPath(fso.GetSpecialFolder(2).Path, fso.GetTempName)
fso.CreateFolder root

Sub Try(code) : On Error Resume Next : ExecuteGlobal code : WriteLine code & " -> " & Err.Number : End Sub
Function Finish(exec) ' waits for the child, then its exit code
    Do While exec.Status = 0 : WScript.Sleep 5 : Loop
    Finish = exec.ExitCode
End Function

' --- Run: the exit status when waiting, 0 otherwise
WriteLine sh.Run("exit 3", 0, True) & " " & sh.Run("exit 3") & " " & sh.Run("true", 1, True)
sh.Run "printf run > '" & root & "/ran'", 0, True
WriteLine fso.FileExists(root & "/ran")

' --- Exec: a megabyte on each stream is drained without deadlock
Set e = sh.Exec("head -c 1000000 /dev/zero | tr '\0' o; head -c 1000000 /dev/zero | tr '\0' e >&2; echo; exit 4")
s = e.StdOut.ReadAll
WriteLine Len(s) & " " & Len(e.StdErr.ReadAll) & " " & Left(s, 3) & " " & Finish(e) & " " & e.Status & " " & (e.ProcessID > 0)
Set e = sh.Exec("head -c 1000000 /dev/zero | tr '\0' e >&2; echo out")
WriteLine Finish(e) & " " & e.StdOut.ReadLine & " " & e.StdOut.AtEndOfStream & " " & Len(e.StdErr.ReadAll)
' UTF-8 characters split between reads stay whole
Set e = sh.Exec("yes 'é€' | head -n 50000 | tr -d '\n'")
s = e.StdOut.ReadAll
WriteLine Len(s) & " " & Len(Replace(s, "é€", ""))
' line by line, and standard input
Set e = sh.Exec("printf 'one\ntwo\r\nthree'")
n = 0
Do Until e.StdOut.AtEndOfStream : n = n + 1 : WriteLine n & " " & e.StdOut.ReadLine : Loop
Set e = sh.Exec("tr a-z A-Z")
e.StdIn.WriteLine "hello"
e.StdIn.Write "world"
e.StdIn.Close
WriteLine Replace(e.StdOut.ReadAll, vbLf, "|")
Set e = sh.Exec("no-such-command-here")
WriteLine Finish(e) & " " & (Len(e.StdErr.ReadAll) > 0)
Set e = sh.Exec("sleep 30")
e.Terminate
WriteLine (Finish(e) <> 0)

' --- the environment, for this process and its children
Set env = sh.Environment("Process")
env("VORNA_TEST_VAR") = "v1"
WriteLine env("VORNA_TEST_VAR") & " " & sh.Environment("process")("VORNA_TEST_VAR") & " " & sh.Environment.Item("VORNA_TEST_VAR") & " [" & env("NO_SUCH_VAR_HERE") & "]"
Try "Set x = sh.Environment(""Elsewhere"")"
Set e = sh.Exec("printf %s ""$VORNA_TEST_VAR""")
WriteLine e.StdOut.ReadAll
WriteLine sh.ExpandEnvironmentStrings("[%VORNA_TEST_VAR%] %NO_SUCH_VAR_HERE% 50% %% %VORNA_TEST_VAR")
found = False
For Each item In sh.Environment : If item = "VORNA_TEST_VAR=v1" Then found = True
Next
WriteLine found & " " & (sh.Environment.Count > 1)
env.Remove "VORNA_TEST_VAR"
WriteLine "[" & env("VORNA_TEST_VAR") & "]"

' --- the current folder
here = sh.CurrentDirectory
sh.CurrentDirectory = root
WriteLine (sh.CurrentDirectory = root) & " " & fso.FileExists("ran") & " " & (fso.GetAbsolutePathName("ran") = root & "/ran")
Try "sh.CurrentDirectory = ""no-such-folder"""
sh.CurrentDirectory = here

' --- Popup goes to the site (the runner prints it and answers OK)
WriteLine sh.Popup("Saved.", 1, "Notes", vbOKOnly)

' --- vbsrun itself: Quit statuses, StdErr, a script error
Function RunScript(code) ' exit status and both outputs of a script
    Dim path, x
    path = root & "/child.vbs"
    With fso.CreateTextFile(path) : .Write code : .Close : End With
    Set x = sh.Exec("'" & WScript.FullName & "' '" & path & "' a1 /k:v")
    s = x.StdOut.ReadAll
    RunScript = Finish(x) & " [" & Replace(s, vbLf, "|") & "] [" & Replace(x.StdErr.ReadAll, vbLf, "|") & "]"
End Function
WriteLine RunScript("WScript.Echo WScript.Arguments(0), WScript.Arguments.Named(""k"")")
WriteLine RunScript("WScript.Quit") & " | " & RunScript("WScript.StdErr.WriteLine ""bad"" : WScript.Quit 42")
WriteLine RunScript("On Error Resume Next : WScript.Quit 255 : WScript.Echo ""after""") & " | " & RunScript("x = 1 / 0")

fso.DeleteFolder root, True
WriteLine fso.FolderExists(root)
