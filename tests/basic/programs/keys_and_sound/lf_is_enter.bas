' a line end is one key, Enter: CHR$(13)
' input:
PRINT ASC(INKEY$) ' expect:  13
