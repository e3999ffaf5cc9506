' 10000 nested GOSUBs run
N = 0: GOSUB down: PRINT N: END
down: N = N + 1: IF N < 10000 THEN GOSUB down
RETURN
' expect:  10000
