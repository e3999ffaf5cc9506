' a block left open inside a SUB
SUB A ' expect error 1: SUB without END SUB
FOR I = 1 TO 2
END SUB ' expect error 1: END SUB without SUB: the FOR of line 3 is still open
NEXT
