' STRING$ with a negative count stops the run
PRINT STRING$(-1, 65) ' expect runtime error: Illegal function call (error 5): STRING$ needs a count of 0 or more
