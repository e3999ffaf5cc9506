' SPACE$ with a negative count stops the run
PRINT SPACE$(-1) ' expect runtime error: Illegal function call (error 5): SPACE$ needs a count of 0 or more
