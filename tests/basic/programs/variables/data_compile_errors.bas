' DATA and RESTORE found wrong before the run.
' bytes after a quoted item
DATA "A" B
' expect error 3:7: expected ',' after the quoted DATA item
' RESTORE to nowhere
RESTORE 50 ' expect error 9: no line 50
