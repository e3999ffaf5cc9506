' RESUME, RESUME NEXT and RESUME label, from wherever the error happened:
' the handler is in the program's own code, the calls under way stay.
DECLARE SUB Halve (N)
DECLARE FUNCTION Ratio (N)
DECLARE FUNCTION Tag$ (T$, N)
DECLARE FUNCTION Outer (N)
ON ERROR GOTO Handler

' RESUME runs the failed statement again once the handler removed the cause
Mode = 0: D = 0
X = 10 / D
PRINT "again"; X
' expect: error 11
' expect: again 5

' RESUME NEXT inside a FOR loop: the loop goes on
Mode = 1
FOR I = 1 TO 3: X = 0: X = 6 / (I - 2): PRINT I; X: NEXT
' expect:  1 -6
' expect: error 11
' expect:  2  0
' expect:  3  6

' inside a GOSUB: its RETURN still finds its way back
GOSUB Part
PRINT "back from GOSUB"
' expect: error 9
' expect: in GOSUB after the error
' expect: back from GOSUB

' inside a SUB: RESUME goes back into it, its locals as they were
Mode = 0: D = 0
Halve 8
' expect: error 11
' expect: SUB local 8 halved 4

' inside a FUNCTION called halfway through a string expression: the
' caller's operands below the call survive the handler
Mode = 1
A$ = "<" + STR$(Ratio(0)) + ">"
PRINT A$
' expect: error 11
' expect: < 7>

' inside a string FUNCTION called by a string expression, with strings on
' both sides of the call: each depth below the calls is kept
Mode = 1
B$ = "[" + Tag$("x", 0) + "]" + Tag$("y", 2)
PRINT B$
' expect: error 11
' expect: [x?]y1
' two calls deep, in the middle of each caller's arithmetic
Mode = 1
PRINT 1000 + Outer(0)
' expect: error 11
' expect:  1110

' inside a DEF FN: RESUME NEXT leaves its value 0
DEF FNInverse (V) = 1 / V
Y = FNInverse(0) + 1
PRINT "FN"; Y
' expect: error 11
' expect: FN 1

' in a one-line IF's condition: RESUME NEXT goes past the whole IF
Z = 0
IF 1 / Z THEN PRINT "then" ELSE PRINT "else"
PRINT "after the IF"
' expect: error 11
' expect: after the IF

' RESUME label from inside a SUB ends the call; calls work after it
Mode = 2
Halve 0
' expect: error 11
Resumed:
PRINT "resumed at the label"
Mode = 0: D = 2
Halve 6
' expect: resumed at the label
' expect: SUB local 6 halved 3
END

Handler:
PRINT "error"; ERR
IF Mode = 0 THEN D = 2: RESUME
IF Mode = 1 THEN RESUME NEXT
Mode = 0
RESUME Resumed

Part:
DIM Small(2)
Small(5) = 1
PRINT "in GOSUB after the error"
RETURN

SUB Halve (N)
SHARED D, Mode
Local = N
IF Mode = 2 THEN R = 1 / Zero ELSE R = N / D
PRINT "SUB local"; Local; "halved"; N / D
END SUB

FUNCTION Ratio (N)
Ratio = 7
Ratio = 1 / N
END FUNCTION

FUNCTION Tag$ (T$, N)
Tag$ = T$ + "?"
Tag$ = T$ + LTRIM$(STR$(2 / N))
END FUNCTION

FUNCTION Outer (N)
Outer = 100 + Ratio(N) + 3
END FUNCTION
