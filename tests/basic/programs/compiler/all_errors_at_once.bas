' every error before the run is reported, all at once, in order
PRINT 1
@ ' expect error 1: unexpected character '@'
PRINT "
GOTO 9 ' expect error 6: no line 9
' expect error 4:7: string without its closing quote
