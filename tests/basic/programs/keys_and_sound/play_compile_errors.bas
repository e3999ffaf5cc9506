' PLAY and VARPTR$ found wrong before the run.
' PLAY takes a string
PLAY 1 ' expect error 6: expected a string, found a number
' PLAY(n) needs its number
PRINT PLAY
' expect error 5:11: expected '(', found end of line
' VARPTR$ names a variable, not an array's element
DIM A(3)
PRINT VARPTR$(A(1)) ' expect error 15: VARPTR$ needs a number or string variable
' nor a value
PRINT VARPTR$(3) ' expect error 15: VARPTR$ needs a number or string variable
