' an error on an inner FOR's line: a NEXT naming the outer loop passes it
FOR I = 1 TO 2
FOR J = 1 TO 2: SHELL ' expect error 17: SHELL is not a statement of this BASIC
NEXT I
