' an error on a WHILE's line: the blocks inside the WHILE nest as usual
WHILE 1: MOTOR ' expect error 10: MOTOR is not a statement of this BASIC
FOR I = 1 TO 2
NEXT
WEND
