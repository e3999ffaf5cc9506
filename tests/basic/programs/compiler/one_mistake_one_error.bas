' A line with an error reports one error, and nothing of it makes another.
' the FOR of a rejected line
10 FOR N=0 TO 12: BADWORD M(N): NEXT N ' expect error 19: BADWORD is not a statement of this BASIC
' its jumps are forgotten
GOTO 500: MOTOR ' expect error 11: MOTOR is not a statement of this BASIC
' its line number stays
30 MOTOR ' expect error 4: MOTOR is not a statement of this BASIC
20 GOTO 30
