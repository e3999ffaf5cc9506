' Calls that do not fit the definition.
' too many arguments
F 1, 2 ' expect error 1: F takes 1 argument
SUB F (X): END SUB
' a string for a number
F "x" ' expect error 3: argument 1 of F must be a number
' too few arguments
PRINT G(1) ' expect error 7: G takes 2 arguments
FUNCTION G (X, Y): END FUNCTION
' an array parameter wants A()
DIM A(2): H A
SUB H (X()): END SUB
' expect error 11:14: expected '(' ')' after the array's name, found end of line
' subscript counts of an array passed whole
DIM B(2, 2): K B() ' expect error 16: array B has 2 subscripts; K uses it with 1
SUB K (X()): X(1) = 0: END SUB
' an INTEGER array for a double parameter
DIM C%(2): M C%() ' expect error 14: argument 1 of M must be an array of the parameter's type
SUB M (X()): X(1) = 0: END SUB
