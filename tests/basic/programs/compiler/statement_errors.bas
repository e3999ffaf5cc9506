' Statements found wrong before the run.
' a command of the direct mode with what it does not take
LIST 10 20 ' expect error 9: expected ':' or end of line, found a number
' a name alone
PRINT 1 2 3: X ' expect error 14: X is not a statement of this BASIC
' two ELSEs
IF 1 THEN PRINT 1 ELSE PRINT 2 ELSE PRINT 3
' expect error 7:32: expected ':' or end of line, found 'ELSE'
' LINE's box
LINE (1, 2)-(3, 4), 5, X ' expect error 24: expected B or BF, found 'X'
' CIRCLE's F
CIRCLE (1, 2), 3, , , , , G ' expect error 27: expected F, found 'G'
' LINE's dash
LINE (1, 2) (3, 4) ' expect error 13: expected '-' before the second point, found '('
' INPUT's prompt
INPUT "x" A ' expect error 11: expected ';' or ',' after the prompt, found 'A'
