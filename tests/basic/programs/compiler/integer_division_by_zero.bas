' a zero divisor of \, after what the line before printed
PRINT 1
PRINT 1 \ 0 ' expect runtime error: division by zero
' expect:  1
