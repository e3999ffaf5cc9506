' SPACE$ with a negative count stops the run
PRINT SPACE$(-1) ' expect runtime error: SPACE$ needs a count of 0 or more
