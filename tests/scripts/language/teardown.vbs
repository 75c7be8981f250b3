' Class_Terminate code run when the engine closes is held to the same limits
' as any script code: recursion ends in error 28, and terminates that keep
' creating instances are stopped, so the engine always finishes closing.
Function R(n) : R = R(n + 1) : End Function
' --- recursion from Class_Terminate at close
Class Deep
    Sub Class_Terminate()
        On Error Resume Next
        R 0
        WriteLine "deep terminate " & Err.Number
    End Sub
End Class
' --- recursive Class_Initialize started from a terminate
Class Ctor : Public Child : Sub Class_Initialize() : Set Child = New Ctor : End Sub : End Class
Class StartsCtor
    Sub Class_Terminate()
        On Error Resume Next
        Dim c : Set c = New Ctor
        WriteLine "ctor from terminate " & Err.Number
    End Sub
End Class
' --- a terminate that refills a field of its own class, one that makes two
Class Refill : Public Other : Sub Class_Terminate() : Set Other = New Refill : End Sub : End Class
Class Twice
    Sub Class_Terminate() : Dim a, b : Set a = New Twice : Set b = New Twice : End Sub
End Class
' --- the same recursion while the script runs
Dim g1, g2, g3, g4
Set g1 = New Deep
Set g2 = New StartsCtor
Set g1 = Nothing
Set g1 = New Deep
Set g3 = New Refill
Set g4 = New Twice
WriteLine "end of script"
