' MID$ counts from 1: a start of 0 stops the run
PRINT MID$("a", 0) ' expect runtime error: Illegal function call (error 5): MID$ needs a start of 1 or more
