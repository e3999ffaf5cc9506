' DATA in a one-line IF still counts
IF 0 THEN DATA 5
READ A: PRINT A
' expect:  5
