' an error on a FOR's line: a later NEXT still closes the FOR
FOR I = 1 TO 2: TRON ' expect error 17: TRON is not a statement of this BASIC
PRINT I
NEXT
