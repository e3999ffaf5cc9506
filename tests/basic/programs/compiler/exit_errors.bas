' EXIT found wrong before the run.
' EXIT outside
EXIT FOR ' expect error 1: EXIT FOR outside a FOR loop
EXIT DO ' expect error 1: EXIT DO outside a DO loop
' EXIT of what
EXIT WHILE ' expect error 6: expected FOR, DO, SUB, FUNCTION or DEF, found 'WHILE'
