' The named constants: values and subtypes, and that they cannot be assigned.
' --- strings
WriteLine Asc(vbCr) & " " & Asc(vbLf) & " " & Len(vbCrLf) & " " & (vbCrLf = vbCr & vbLf)
WriteLine Asc(vbTab) & " " & Asc(vbNullChar) & " " & Len(vbNullChar) & " " & Len(vbNullString)
WriteLine Asc(vbFormFeed) & " " & Asc(vbVerticalTab) & " " & Len(vbNewLine)
WriteLine TypeName(vbCrLf) & " " & TypeName(vbNullString)
' --- colours
WriteLine (vbBlack & " " & vbRed & " " & vbGreen & " " & vbYellow) & " | " & (vbBlue & " " & vbMagenta & " " & vbCyan & " " & vbWhite) & " | " & (TypeName(vbRed) & " " & TypeName(vbBlack))
' --- message boxes
WriteLine vbOKOnly & " " & vbOKCancel & " " & vbAbortRetryIgnore & " " & vbYesNoCancel & " " & vbYesNo & " " & vbRetryCancel
WriteLine vbCritical & " " & vbQuestion & " " & vbExclamation & " " & vbInformation
WriteLine vbDefaultButton1 & " " & vbDefaultButton2 & " " & vbDefaultButton3 & " " & vbDefaultButton4
WriteLine vbApplicationModal & " " & vbSystemModal & " " & vbMsgBoxHelpButton & " " & vbMsgBoxSetForeground & " " & vbMsgBoxRight & " " & vbMsgBoxRtlReading
WriteLine vbOK & " " & vbCancel & " " & vbAbort & " " & vbRetry & " " & vbIgnore & " " & vbYes & " " & vbNo
' --- comparison, dates and tristate
WriteLine vbBinaryCompare & " " & vbTextCompare & " " & vbDatabaseCompare
WriteLine vbUseSystemDayOfWeek & " " & vbSunday & " " & vbMonday & " " & vbTuesday & " " & vbWednesday & " " & vbThursday & " " & vbFriday & " " & vbSaturday
WriteLine vbUseSystem & " " & vbFirstJan1 & " " & vbFirstFourDays & " " & vbFirstFullWeek
WriteLine vbGeneralDate & " " & vbLongDate & " " & vbShortDate & " " & vbLongTime & " " & vbShortTime
WriteLine vbUseDefault & " " & vbTrue & " " & vbFalse
' --- VarType values
WriteLine vbEmpty & " " & vbNull & " " & vbInteger & " " & vbLong & " " & vbSingle & " " & vbDouble & " " & vbCurrency & " " & vbDate
WriteLine vbString & " " & vbObject & " " & vbError & " " & vbBoolean & " " & vbVariant & " " & vbDataObject & " " & vbDecimal & " " & vbByte & " " & vbArray
WriteLine vbObjectError & " " & Hex(vbObjectError) & " " & TypeName(vbObjectError)
WriteLine TypeName(vbOK) & " " & TypeName(vbTextCompare)
' --- names are case-insensitive
WriteLine VBCRLF = vbCrLf
