' ON needs a number from 0 to 255: a negative one stops the run, after what was printed
PRINT 1;: ON -1 GOTO 10 ' expect runtime error: Illegal function call (error 5): ON needs a number from 0 to 255
10 END
' expect:  1
