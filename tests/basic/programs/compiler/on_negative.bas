' ON needs a number from 0 to 255: a negative one stops the run, after what was printed
PRINT 1;: ON -1 GOTO 10 ' expect runtime error: ON needs a number from 0 to 255
10 END
' expect:  1
