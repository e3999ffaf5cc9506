' ON ERROR GOTO 0 in a handler ends the run with the error being handled;
' outside one it only turns trapping off.
ON ERROR GOTO Handler
ON ERROR GOTO 0
ON ERROR GOTO Handler
ERROR 53
PRINT "never"
END
Handler:
PRINT "handling"; ERR
' expect: handling 53
ON ERROR GOTO 0 ' expect runtime error: File not found (error 53)
