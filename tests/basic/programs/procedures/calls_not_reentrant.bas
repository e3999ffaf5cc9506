' A procedure never called while under way has its locals cleared, not
' saved, and its arguments moved straight in and out.
' the locals start at 0 at every call
FOR I = 1 TO 2: PRINT Fresh(1);: NEXT: PRINT
FUNCTION Fresh (X): L = L + X: Fresh = L: END FUNCTION
' expect:  1  1
' a procedure that calls itself through another keeps each call's locals
Ping 2: PRINT
SUB Ping (N): IF N > 0 THEN Pong N - 1
PRINT N;
END SUB
SUB Pong (M): Ping M: END SUB
' expect:  0  1  2
' one variable passed twice takes the last parameter's value
X = 1: Two X, X: PRINT X
SUB Two (A, B): A = 5: B = 7: END SUB
' expect:  7
' an integer parameter and an integer variable round
N% = 2: Add N%, 1.6: PRINT N%
SUB Add (A%, B): A% = A% + B: END SUB
' expect:  4
' the stacks grow for a deep body called deep in an expression
PRINT 1 + (2 + (3 + (4 + Deep(1))))
FUNCTION Deep (X): Deep = X + (1 + (2 + (3 + (4 + 5)))): END FUNCTION
' expect:  26
' a GOSUB inside the body
PRINT Tripled(2)
FUNCTION Tripled (X)
GOSUB 10: Tripled = X: EXIT FUNCTION
10 X = X * 3: RETURN
END FUNCTION
' expect:  6
