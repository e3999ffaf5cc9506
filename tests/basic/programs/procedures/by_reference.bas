' A variable, an element or a string alone is passed by reference; anything
' else by value.
' a variable is passed by reference
X = 1: Bump X: PRINT X
SUB Bump (A): A = A + 1: END SUB
' expect:  2
' (X) is passed by value
X = 1: Bump (X): PRINT X ' expect:  1
' CALL takes its arguments in parentheses
X = 1: CALL Bump((X)): CALL Bump(X): PRINT X ' expect:  2
' an expression by value
X = 1: Bump X + 0: PRINT X ' expect:  1
' an element by reference
DIM A(3): A(2) = 5: Times10 A(2): PRINT A(2)
SUB Times10 (V): V = V * 10: END SUB
' expect:  50
' a string by reference
S$ = "ab": Twice S$: PRINT S$
SUB Twice (T$): T$ = T$ + T$: END SUB
' expect: abab
