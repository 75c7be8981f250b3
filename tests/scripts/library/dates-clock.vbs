' Now, Date, Time and Timer: their subtypes and how they agree with each other.
WriteLine VarType(Now) & " " & VarType(Date) & " " & VarType(Time) & " " & VarType(Timer)
WriteLine (IsDate(Now) & IsDate(Date) & IsDate(Time)) & " | " & (Int(CDbl(Date)) = CDbl(Date)) & " | " & (CDbl(Time) >= 0 And CDbl(Time) < 1)
WriteLine (Timer >= 0 And Timer < 86400) & " | " & (Year(Now) >= 2026) & " | " & (Abs(DateDiff("s", Date + Time, Now)) <= 1)
WriteLine Abs(Timer - (Hour(Time) * 3600 + Minute(Time) * 60 + Second(Time))) < 2
