' The block IF, with ELSEIF and ELSE, nested.
' block IF
X = 2
IF X = 1 THEN
PRINT 1
ELSEIF X = 2 THEN
PRINT 2
ELSE
PRINT 3
END IF
' expect:  2
' nested block IFs
IF 0 THEN
PRINT 1
ELSE
IF 1 THEN
PRINT 2
END IF
END IF
' expect:  2
' END IF followed by a statement
IF 0 THEN
PRINT 1
END IF: PRINT 3
' expect:  3
