' a jump back into a loop that has run continues it
FOR I = 1 TO 3
back: PRINT I;
IF I = 2 AND F = 0 THEN F = 1: GOTO away
NEXT: PRINT: END
away: PRINT "out";: GOTO back
' expect:  1  2 out 2  3
