' a one-line IF holds whole blocks: a FOR opened in one must close on its line
IF 1 THEN FOR I = 1 TO 2
NEXT ' expect error 1: NEXT without FOR
' expect error 2:25: FOR opened in a one-line IF must close on the same line
