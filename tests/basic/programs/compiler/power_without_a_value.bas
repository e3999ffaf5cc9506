' x ^ y where no real power exists: the classic errors, not a number
PRINT (-8) ^ 2; (-2) ^ 3; 0 ^ 0; 4 ^ .5; (-1) ^ -1 ' expect:  64 -8  1  2 -1
ON ERROR GOTO Report
X = (-2) ^ 6.00001 ' a negative number to a fraction: Illegal function call
X = 0 ^ -1 ' zero to a negative power divides by zero
X = 0 ^ -.5 ' also when the power is a fraction
X = 10 ^ 400 ' too large for any number
END
Report:
PRINT ERR; ' expect:  5  11  11  6
RESUME NEXT
