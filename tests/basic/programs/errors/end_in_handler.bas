' END in a handler ends the run as END does anywhere.
ON ERROR GOTO Handler
ERROR 4
PRINT "never"
Handler:
PRINT "handling"; ERR; ERL
' expect: handling 4  0
END
