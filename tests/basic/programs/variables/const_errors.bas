' CONST found wrong before the run.
' a constant is not assigned
CONST N = 1: N = 2 ' expect error 14: N is a constant
' nor read into
CONST P = 1: INPUT P ' expect error 20: P is a constant
' nor a loop variable
CONST Q = 1: FOR Q = 1 TO 2: NEXT ' expect error 18: Q is a constant
' a variable in a constant
CONST R = X + 1 ' expect error 11: a constant's value may use only numbers, strings, operators and constants
' RND gives another value each time
CONST S = RND ' expect error 11: a constant's value may use only numbers, strings, operators and constants
' the value's own error, before the run
CONST T = 1 \ 0 ' expect error 11: Division by zero (error 11)
' suffix and value disagree
CONST U$ = 1 ' expect error 12: expected a string, found a number
