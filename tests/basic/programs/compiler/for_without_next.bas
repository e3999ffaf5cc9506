' a FOR never closed
FOR I = 1 TO 3 ' expect error 1: FOR without NEXT
PRINT I
