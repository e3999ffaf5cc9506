' STOP ends the run as END does
PRINT 1: STOP: PRINT 2 ' expect:  1
