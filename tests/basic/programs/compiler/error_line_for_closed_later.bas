' an error on a FOR's line: a later NEXT still closes the FOR
FOR I = 1 TO 2: SHELL ' expect error 17: SHELL is not a statement of this BASIC
PRINT I
NEXT
