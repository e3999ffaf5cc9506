' SLEEP with no key to come
SLEEP: PRINT 1 ' expect runtime error: no more input
