' Jumps out of FOR loops.
' a jump out of a loop
FOR I = 1 TO 9: IF I = 2 THEN GOTO away
NEXT
away: PRINT I
' expect:  2
' leaving an inner loop by a jump
FOR I = 1 TO 2: FOR J = 1 TO 5: IF J = 2 THEN GOTO nx
NEXT J
nx: PRINT I; J;: NEXT I: PRINT
' expect:  1  2  2  2
