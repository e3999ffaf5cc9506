' what PRINT built of its statement is written first
PRINT 1; 2 \ 0 ' expect runtime error: division by zero
' expect:  1
