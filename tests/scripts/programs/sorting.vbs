' Sorting: merge sort returning new arrays, and a sort of objects by a key with
' a comparer from GetRef (in-place swaps through a ByRef array are in recursion.vbs).
Function MergeSort(a)
    Dim n, mid, left, right, i, l, r, out
    n = UBound(a) - LBound(a) + 1
    If n <= 1 Then
        MergeSort = a
        Exit Function
    End If
    mid = n \ 2
    ReDim left(mid - 1)
    ReDim right(n - mid - 1)
    For i = 0 To n - 1
        If i < mid Then left(i) = a(i) Else right(i - mid) = a(i)
    Next
    left = MergeSort(left)
    right = MergeSort(right)
    ReDim out(n - 1)
    l = 0: r = 0
    For i = 0 To n - 1
        If r > UBound(right) Then
            out(i) = left(l): l = l + 1
        ElseIf l > UBound(left) Then
            out(i) = right(r): r = r + 1
        ElseIf left(l) <= right(r) Then
            out(i) = left(l): l = l + 1
        Else
            out(i) = right(r): r = r + 1
        End If
    Next
    MergeSort = out
End Function

Dim nums : nums = Array(38, 27, 43, 3, 9, 82, 10, 3, -5, 0, 100, 27)
WriteLine Join(MergeSort(nums), " ")
WriteLine Join(MergeSort(Array("pear", "Fig", "apple", "fig", "Banana", "cherry")), " ")
WriteLine Join(MergeSort(Array(3.5, -1, 2, 2, 1E+3)), " ") & " [" & Join(MergeSort(Array()), " ") & "]"
' Mixed strings and numbers: numbers sort before strings
WriteLine Join(MergeSort(Array("10", 9, "9", 100)), " ")

' --- an element array is a copy when taken out; Preserve can shrink; Erase keeps an array
Dim jag, row
jag = Array(Array(3, 1, 2), Array())
row = jag(0)
row(0) = 9
WriteLine Join(row, " ") & " / " & Join(jag(0), " ") & " / " & UBound(jag(1))
ReDim Preserve row(1)
WriteLine Join(row, ",")
Erase row
WriteLine IsArray(row)

' --- objects sorted by a key with a comparer function
Class Person : Public Name, Age : End Class
Function NewPerson(n, a)
    Set NewPerson = New Person
    NewPerson.Name = n
    NewPerson.Age = a
End Function
Function ByAge(x, y) : ByAge = x.Age - y.Age : End Function
Function ByName(x, y) : ByName = StrComp(x.Name, y.Name, vbTextCompare) : End Function
Sub SortObjects(items, compare)
    Dim i, j, t
    For i = 1 To UBound(items)
        Set t = items(i)
        j = i - 1
        Do While j >= 0
            If compare(items(j), t) <= 0 Then Exit Do
            Set items(j + 1) = items(j)
            j = j - 1
        Loop
        Set items(j + 1) = t
    Next
End Sub
Function Names(items)
    Dim i, r()
    ReDim r(UBound(items))
    For i = 0 To UBound(items) : r(i) = items(i).Name & "(" & items(i).Age & ")" : Next
    Names = Join(r, " ")
End Function
Dim people
people = Array(NewPerson("Cy", 41), NewPerson("ada", 36), NewPerson("Bo", 17), NewPerson("al", 36))
SortObjects people, GetRef("ByAge")
WriteLine Names(people)
SortObjects people, GetRef("ByName")
WriteLine Names(people)
