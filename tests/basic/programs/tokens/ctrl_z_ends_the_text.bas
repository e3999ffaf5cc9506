' Ctrl-Z ends the text, whatever follows: the bad line after it is never read
PRINT 1 ' expect:  1

PRINT 2 @
