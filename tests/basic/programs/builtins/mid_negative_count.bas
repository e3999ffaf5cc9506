' MID$ with a negative count stops the run
PRINT MID$("a", 1, -2) ' expect runtime error: Illegal function call (error 5): MID$ needs a count of 0 or more
