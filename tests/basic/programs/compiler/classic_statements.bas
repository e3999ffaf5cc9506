' Statements of classic BASIC that this one lacks are named.
' a statement
MOTOR 1, 0 ' expect error 1: MOTOR is not a statement of this BASIC
' any case, after a line number
10 shell ' expect error 4: SHELL is not a statement of this BASIC
' in a one-line IF
IF X THEN LLIST ' expect error 11: LLIST is not a statement of this BASIC
' classic words are reserved
MERGE = 3 ' expect error 1: MERGE is not a statement of this BASIC
' the serial port's trap
ON COM(1) GOSUB 10 ' expect error 1: ON COM is not a statement of this BASIC
' the light pen's trap
ON PEN GOSUB 10 ' expect error 1: ON PEN is not a statement of this BASIC
' the joystick's
ON STRIG(0) GOSUB 10 ' expect error 1: ON STRIG is not a statement of this BASIC
' before ELSE
IF 1 THEN CLEARSCREEN ELSE END ' expect error 11: CLEARSCREEN is not a statement of this BASIC
