' ON n GOTO jumps to the n-th target
ON 2 GOTO 10, 20, 10
10 PRINT 1: END
20 PRINT 2
' expect:  2
