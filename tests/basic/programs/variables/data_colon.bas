' ':' ends a DATA statement
DATA 1, 2: READ A, B: PRINT A + B
' expect:  3
