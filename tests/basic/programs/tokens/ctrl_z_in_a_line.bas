' Ctrl-Z ends the text also in the middle of a line
' expect:  1
PRINT 1:  PRINT 2
