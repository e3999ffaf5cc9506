' an error on a DO's line: a closer of another kind drops the DO; a real error stays
DO: MOTOR 1 ' expect error 5: MOTOR is not a statement of this BASIC
WEND ' expect error 1: WEND without WHILE
