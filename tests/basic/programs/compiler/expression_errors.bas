' Expressions found wrong before the run.
' a missing operand
PRINT 1 +
' expect error 3:10: expected an expression, found end of line
' an open parenthesis
PRINT (1
' expect error 6:9: expected ')', found end of line
' a string into a number
A = "x" ' expect error 5: expected a number, found a string
' a number into a string
A$ = 1 ' expect error 6: expected a string, found a number
' string arithmetic
PRINT "a" * 2 ' expect error 7: expected a number, found a string
' mixed +
PRINT 1 + "a" ' expect error 9: cannot combine a number with a string
' string -
PRINT "a" - "b" ' expect error 11: strings cannot be subtracted
' mixed comparison
PRINT "a" < 1 ' expect error 11: cannot compare a string with a number
' a function's argument
PRINT LEN(5) ' expect error 11: expected a string, found a number
' a missing argument
PRINT LEFT$("a") ' expect error 16: expected ',', found ')'
' subscript counts agree
X = A(1, 2)
Y = A(1) ' expect error 5: array A has 2 subscripts elsewhere
' four subscripts
DIM B(1, 2, 3, 4) ' expect error 16: an array has at most 3 subscripts
' missing targets
GOTO 100 ' expect error 6: no line 100
GOSUB nowhere ' expect error 7: no label NOWHERE
