' TAB, SPC, LINE INPUT and the MID$ statement found wrong before the run.
' TAB outside PRINT
X = TAB(3) ' expect error 5: TAB works only in PRINT
' SPC inside an expression of PRINT
PRINT LEN(SPC(2)) ' expect error 11: SPC works only in PRINT
' SPC needs its parentheses
PRINT SPC 3 ' expect error 11: expected '(', found a number
' a number
LINE INPUT A ' expect error 12: LINE INPUT needs a string variable
' only ';' after the prompt
LINE INPUT "p", A$ ' expect error 15: expected ';' after the prompt, found ','
' a number
MID$(A, 1) = "x" ' expect error 6: the MID$ statement needs a string variable
' the '='
MID$(A$, 1) "x" ' expect error 13: expected '=', found a string
' the start
MID$(A$, "1") = "x" ' expect error 10: expected a number, found a string
