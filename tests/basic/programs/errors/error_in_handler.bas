' An error in the handler, before its RESUME, ends the run.
ON ERROR GOTO Handler
X = 1 / Z
PRINT "never"
END
Handler:
PRINT "handling"; ERR
' expect: handling 11
DIM A(3)
A(4) = 1 ' expect runtime error: Subscript out of range (error 9)
