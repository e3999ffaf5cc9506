' A format without a field.
PRINT USING "abc"; 1 ' expect runtime error: Illegal function call (error 5)
