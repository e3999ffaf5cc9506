' SYSTEM is END in a program
PRINT 1: SYSTEM: PRINT 2 ' expect:  1
