' The end-to-end script-error case: a run-time error on line 3.
AddLabel "A", "never shown"
x = 1 / 0
