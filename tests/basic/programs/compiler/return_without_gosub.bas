' a RETURN without its GOSUB, after the PRINT before it on the line
PRINT "a";: RETURN ' expect runtime error: RETURN without GOSUB (error 3)
' expect: a
