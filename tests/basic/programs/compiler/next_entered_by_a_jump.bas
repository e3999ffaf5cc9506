' a jump into a loop whose FOR never ran
GOTO 20
FOR I = 1 TO 2
20 NEXT ' expect runtime error: NEXT without FOR: the loop was entered by a jump
