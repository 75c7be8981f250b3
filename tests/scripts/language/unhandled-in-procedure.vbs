' An unhandled error inside a procedure reports the failing line there.
Sub Inner()
    Dim arr(1)
    arr(2) = 0
End Sub
WriteLine "start"
Inner
WriteLine "not reached"
