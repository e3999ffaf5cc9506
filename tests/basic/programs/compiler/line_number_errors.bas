' Line numbers and labels found wrong before the run.
' a duplicate line number
10 PRINT
10 PRINT ' expect error 1: line 10 appears twice
' labels ignore case
a:
A: PRINT ' expect error 1: label A appears twice
' line number range
70000 PRINT ' expect error 1: line number must be 0 to 65529
' jump target range
GOTO 70000 ' expect error 6: line number must be 0 to 65529
