' LEFT$ with a negative count stops the run
PRINT LEFT$("a", -1) ' expect runtime error: LEFT$ needs a count of 0 or more
