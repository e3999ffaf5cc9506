' FREEFILE when all 255 numbers are taken (NUL opens no disk file).
FOR I = 1 TO 255: OPEN "NUL" FOR OUTPUT AS #I: NEXT
PRINT FREEFILE ' expect runtime error: Too many files (error 67)
