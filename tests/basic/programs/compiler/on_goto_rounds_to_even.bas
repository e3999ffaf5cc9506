' ON rounds ties to even: 2.5 is 2
ON 2.5 GOTO 10, 20, 30
10 PRINT 1: END
20 PRINT 2: END
30 PRINT 3
' expect:  2
