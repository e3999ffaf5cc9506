' a zero divisor of \, after what the line before printed
PRINT 1
PRINT 1 \ 0 ' expect runtime error: Division by zero (error 11)
' expect:  1
