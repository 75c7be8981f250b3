' WScript in vbsrun: Echo, Arguments with Named and Unnamed, the script's
' names, StdIn/StdOut, CreateObject, and Quit's status from deep inside.
Dim a, item, s, keep
Set a = WScript.Arguments
WScript.Echo a.Count, a.Length, a(0), a.Item(3)
For Each item In a : s = s & "<" & item & ">" : Next
WScript.Echo s
WScript.Echo a.Unnamed.Count, a.Unnamed.Length, a.Unnamed(0), a.Unnamed(1)
WScript.Echo a.Named.Count, a.Named("name"), a.Named.Exists("VERBOSE"), a.Named.Exists("one"), "[" & a.Named("x") & "]", "[" & a.Named("absent") & "]"
On Error Resume Next
s = a(5) : WScript.Echo Err.Number : Err.Clear
s = a.Unnamed(2) : WScript.Echo Err.Number : Err.Clear
Echo "members are not global names" : WScript.Echo Err.Number <> 0 : Err.Clear
Set s = WScript.CreateObject("No.Such.Class") : WScript.Echo Err.Number : Err.Clear
On Error GoTo 0

' --- Echo joins its arguments with a blank
WScript.Echo
WScript.Echo "Echo", 1, 2.5, True, Empty, "end"
WScript.Echo WScript.ScriptName, Right(WScript.ScriptFullName, 22), WScript.Path & "/vbsrun" = WScript.FullName, WScript.Interactive, Len(WScript.Version) > 0
WScript.Echo TypeName(WScript.CreateObject("Scripting.Dictionary")), TypeName(CreateObject("Scripting.FileSystemObject"))

' --- the standard streams
WScript.StdOut.Write "std"
WScript.StdOut.WriteLine "out"
CreateObject("Scripting.FileSystemObject").GetStandardStream(1).WriteLine "standard output"
WScript.Echo WScript.StdIn.ReadLine, WScript.StdIn.Line
WScript.Echo WScript.StdIn.ReadLine, WScript.StdIn.AtEndOfLine
WScript.StdIn.SkipLine
WScript.Echo WScript.StdIn.ReadAll, WScript.StdIn.AtEndOfStream
On Error Resume Next
WScript.StdIn.ReadLine : WScript.Echo Err.Number : Err.Clear
WScript.StdIn.Write "x" : WScript.Echo Err.Number : Err.Clear
s = WScript.StdOut.ReadLine : WScript.Echo Err.Number : Err.Clear
On Error GoTo 0
WScript.Sleep 1

' --- Quit ends at once, through On Error and nested calls, with its status;
' live objects still terminate as the engine ends
Class Tracker
    Sub Class_Terminate : WScript.Echo "terminated" : End Sub
End Class
Set keep = New Tracker
Sub Deep(n)
    On Error Resume Next
    If n = 0 Then WScript.Quit 3
    Deep n - 1
    WScript.Echo "not reached " & n
End Sub
Deep 2
WScript.Echo "not reached"
