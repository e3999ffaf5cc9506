' Keys, sound and the cursor found wrong before the run.
' KEY needs its word
KEY
' expect error 3:4: expected ON, OFF, LIST or a key's number, found end of line
' a key's trap is switched ON, OFF or STOP
KEY(1) LIST ' expect error 8: expected ON, OFF or STOP, found 'LIST'
' SOUND needs its duration
SOUND 440
' expect error 8:10: expected ',', found end of line
' five arguments at most
LOCATE 1, 2, 3, 4, 5, 6
' expect error 11:21: expected ':' or end of line, found ','
' WIDTH takes numbers
WIDTH A$ ' expect error 7: expected a number, found a string
' keys are the run's
CONST K$ = INKEY$ ' expect error 12: a constant's value may use only numbers, strings, operators and constants
' POS needs its dummy
PRINT POS
' expect error 18:10: expected '(', found end of line
' a function, never a variable
INKEY$ = "a" ' expect error 1: expected a statement, found 'INKEY$'
