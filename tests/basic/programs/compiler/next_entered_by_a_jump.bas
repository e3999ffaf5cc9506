' a jump into a loop whose FOR never ran
GOTO 20
FOR I = 1 TO 2
20 NEXT ' expect runtime error: NEXT without FOR (error 1): the loop was entered by a jump
