' RESTORE to a label without DATA: the next DATA after it
RESTORE later: READ A: PRINT A
DATA 1
later: PRINT
DATA 9
' expect:  9
' expect:
