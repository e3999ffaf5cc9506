' A space before a number that is not negative, one after each: the
' .out file holds the last one too.
' space before a non-negative number, one after each
PRINT 3; -1
