' an error after a NEXT on its line: the block the NEXT closed stays closed
FOR I = 1 TO 2: NEXT: SHELL ' expect error 23: SHELL is not a statement of this BASIC
NEXT ' expect error 1: NEXT without FOR
