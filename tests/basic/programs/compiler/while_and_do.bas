' WHILE ... WEND and the forms of DO ... LOOP.
' EXIT DO
DO: I = I + 1: IF I = 7 THEN EXIT DO
LOOP: PRINT I
' expect:  7
' WHILE
I = 0: WHILE I < 3: I = I + 1: PRINT I;: WEND: PRINT ' expect:  1  2  3
' DO WHILE
I = 0: DO WHILE I < 2: I = I + 1: LOOP: PRINT I ' expect:  2
' DO UNTIL
I = 0: DO UNTIL I = 2: I = I + 1: LOOP: PRINT I ' expect:  2
' LOOP WHILE runs the body once
I = 5: DO: I = I + 1: LOOP WHILE I < 3: PRINT I ' expect:  6
' LOOP UNTIL
I = 0: DO: I = I + 1: LOOP UNTIL I = 4: PRINT I ' expect:  4
