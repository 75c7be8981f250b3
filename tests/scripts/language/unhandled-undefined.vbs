' Option Explicit: reading an undeclared name is a run-time error naming it.
Option Explicit
Dim known : known = 1
WriteLine known
WriteLine unknownName
