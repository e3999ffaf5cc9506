' A handler that runs off the program's end without RESUME: No RESUME.
ON ERROR GOTO Handler
ERROR 7
END
Handler:
' expect: handling 7
PRINT "handling"; ERR ' expect runtime error: No RESUME (error 19)
