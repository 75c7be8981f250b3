' InStr, InStrRev and Replace: positions, start, compare, Null and errors.
' --- InStr basic
WriteLine InStr("XXpXXpXXPXXP", "p")
WriteLine InStr(4, "XXpXXpXXPXXP", "p")
WriteLine InStr(4, "XXpXXpXXPXXP", "P", 1)
WriteLine InStr(1, "XXpXXpXXPXXP", "P", 0)
WriteLine InStr(1, "XXpXXpXXPXXP", "W")
WriteLine InStr("abc", "")
WriteLine InStr(3, "abc", "")
WriteLine InStr("", "a")
WriteLine InStr(5, "abc", "c")
WriteLine InStr(12345, 3)
WriteLine TypeName(InStr("abc", "b"))
WriteLine InStr(, "abcb", "b")
' --- InStr Null
WriteLine IsNull(InStr(Null, "a"))
WriteLine IsNull(InStr("a", Null))
WriteLine IsNull(InStr(2, Null, "a"))
' --- InStr errors
On Error Resume Next
x = InStr(0, "abc", "a")
WriteLine Err.Number
Err.Clear
x = InStr(Null, "abc", "a")
WriteLine Err.Number
Err.Clear
x = InStr(1, "abc", "a", 7)
WriteLine Err.Number
Err.Clear
x = InStr("abc", "a", "b")
WriteLine Err.Number
Err.Clear
On Error GoTo 0
' --- InStrRev
WriteLine InStrRev("XXpXXpXXPXXP", "P", -1, 1)
WriteLine InStrRev("XXpXXpXXPXXP", "P", -1, 0)
WriteLine InStrRev("XXpXXpXXPXXP", "P", 10, 0)
WriteLine InStrRev("XXpXXpXXPXXP", "P", 8)
WriteLine InStrRev("XXpXXpXXPXXP", "XX", 2)
WriteLine InStrRev("XXpXXpXXPXXP", "XX", 1)
WriteLine InStrRev("abc", "")
WriteLine InStrRev("abc", "", 2)
WriteLine InStrRev("abc", "a", 4)
WriteLine InStrRev("", "a")
WriteLine InStrRev("abcabc", "ABC", -1, vbTextCompare)
WriteLine IsNull(InStrRev(Null, "a"))
On Error Resume Next
x = InStrRev("abc", "a", 0)
WriteLine Err.Number
Err.Clear
x = InStrRev("abc", "a", -2)
WriteLine Err.Number
Err.Clear
On Error GoTo 0
' --- Replace
WriteLine Replace("XXpXXPXXp", "p", "Y")
WriteLine Replace("XXpXXPXXp", "p", "Y", 1, -1, 1)
WriteLine Replace("XXpXXPXXp", "p", "Y", 3, -1, 1)
WriteLine Replace("XXpXXPXXp", "p", "Y", 1, 2, 1)
WriteLine Replace("XXpXXPXXp", "p", "Y", 4)
WriteLine Replace("abc", "", "x")
WriteLine Replace("abcabc", "b", "")
WriteLine Replace("aaaa", "aa", "a")
WriteLine Replace("abc", "b", "xyz", 1, 0)
WriteLine "[" & Replace("abc", "b", "x", 4) & "]"
WriteLine "[" & Replace("", "b", "x") & "]"
WriteLine Replace(12321, 2, 9)
On Error Resume Next
x = Replace(Null, "a", "b")
WriteLine Err.Number & " " & Err.Description
Err.Clear
x = Replace("abc", "a", "b", 0)
WriteLine Err.Number
Err.Clear
x = Replace("abc", "a", "b", 1, -2)
WriteLine Err.Number
Err.Clear
