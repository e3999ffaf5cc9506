' MOD's divisor is rounded before it is tested: 0.4 is 0
PRINT 5 MOD 0.4 ' expect runtime error: Division by zero (error 11)
