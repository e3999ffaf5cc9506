' RESTORE goes back to the first item
READ A: RESTORE: READ B: PRINT A; B
DATA 4, 5
' expect:  4  4
