' RESUME with no error being handled, and an error with no handler.
PRINT "start"
' expect: start
RESUME NEXT ' expect runtime error: RESUME without error (error 20)
