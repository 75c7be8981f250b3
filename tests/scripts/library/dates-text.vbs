' Dates as text: CStr and & of Dates, and CDate of text (the accepted forms are
' tabled in the date unit tests).
' --- Dates shown as text
WriteLine (CStr(#12/6/2026#)) & " | " & ("at " & #6:51:03 PM#) & " | " & (#12/6/2026 6:51:03 PM#)
WriteLine (CDate(0)) & " | " & (CDate(46362.5)) & " | " & (CDate(-1.25))
WriteLine #1/1/100# & " " & #12/31/9999 11:59:59 PM#
' --- text read as dates
WriteLine CDate("12/6/2026") = #12/6/2026#
WriteLine CDate("6:51 PM") & " " & CDate("18:51:03") & " " & CDate("12/6/2026 6:51:03 PM")
WriteLine IsDate("12/6/2026") & IsDate("6:51 PM") & IsDate("2/30/2026") & IsDate("hello") & IsDate("2026")
