' MID$ counts from 1: a start of 0 stops the run
PRINT MID$("a", 0) ' expect runtime error: MID$ needs a start of 1 or more
