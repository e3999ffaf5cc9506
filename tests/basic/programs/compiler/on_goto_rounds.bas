' ON rounds n to the nearest whole number: 1.5 is 2
ON 1.5 GOTO 10, 20
10 PRINT 1: END
20 PRINT 2
' expect:  2
