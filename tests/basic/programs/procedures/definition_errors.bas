' Procedures defined or used in the wrong place.
' a lone END SUB
END SUB ' expect error 1: END SUB without SUB
' a function's value outside it
F = 1 ' expect error 1: F is a function; only its own body gives it a value
FUNCTION F: END FUNCTION
' SHARED at the program's level
SHARED X ' expect error 1: SHARED belongs inside a SUB or FUNCTION
' SHARED after a use
SUB C: X = 1: SHARED X ' expect error 22: X is already in use in this procedure before SHARED
END SUB
' EXIT SUB outside
EXIT SUB ' expect error 1: EXIT SUB outside a SUB
' a name defined twice
SUB A: END SUB
SUB A: END SUB ' expect error 1: A is defined twice
