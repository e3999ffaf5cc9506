' EXIT SUB from inside loops
CALL Run3
SUB Run3: FOR I = 1 TO 3: DO: IF I = 2 THEN EXIT SUB
PRINT I;: EXIT DO: LOOP: NEXT: END SUB
' expect:  1
