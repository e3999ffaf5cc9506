' A procedure's own arrays and strings.
' a local array hides the program's; SHARED B() reaches its
A(1) = 4: Show
SUB Show: DIM A(1): PRINT A(1);: SHARED B(): B(0) = 1: END SUB
PRINT A(1); B(0)
' expect:  0  4  1
' a local string is empty at each call
CALL Twice: CALL Twice
SUB Twice: S$ = S$ + "x": PRINT S$;: END SUB
' expect: xx
