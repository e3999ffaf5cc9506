' RIGHT$: a count past 32 bits converts to -2147483648, a negative count
PRINT RIGHT$("a", 1E10) ' expect runtime error: Illegal function call (error 5): RIGHT$ needs a count of 0 or more
