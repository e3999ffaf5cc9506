PRINT ENVIRON$("") ' expect runtime error: Illegal function call (error 5): ENVIRON$ needs a name
