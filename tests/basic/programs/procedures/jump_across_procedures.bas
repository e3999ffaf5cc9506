' Jumps stay inside their procedure.
' GOTO out of a SUB
SUB A: GOTO 10: END SUB ' expect error 13: line 10 is outside SUB A
10 PRINT
' GOSUB into a SUB
GOSUB 20 ' expect error 7: line 20 is inside SUB B
SUB B
20 RETURN
END SUB
