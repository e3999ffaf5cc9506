' GO TO and GO SUB, with a space, are GOTO and GOSUB.
' GO TO
10 GO TO 30
20 PRINT 1
30 PRINT 2
' expect:  2
' GO TO in a one-line IF
IF 1 THEN GO TO 40
PRINT 1
40 PRINT 2
' expect:  2
' any case, any blank between
go	to 50
PRINT 1
50 PRINT 2
' expect:  2
' GO before anything else is a name
GO = 4: GOSUB7 = 1: PRINT GO; GO * 2 ' expect:  4  8
' GO SUB
GO SUB 60: PRINT 1: END
60 PRINT 2;: RETURN
' expect:  2  1
