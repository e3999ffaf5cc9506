' what PRINT built of its statement is written first
PRINT 1; 2 \ 0 ' expect runtime error: Division by zero (error 11)
' expect:  1
