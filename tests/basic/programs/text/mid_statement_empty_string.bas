' the MID$ statement: an empty string has no byte to overwrite
MID$(A$, 1) = "x" ' expect runtime error: Illegal function call (error 5): the MID$ statement needs a start from 1 to the string's length
