' LEFT$ with a negative count stops the run
PRINT LEFT$("a", -1) ' expect runtime error: Illegal function call (error 5): LEFT$ needs a count of 0 or more
