' the MID$ statement counts from 1
A$ = "AB": MID$(A$, 0) = "x" ' expect runtime error: Illegal function call (error 5): the MID$ statement needs a start from 1 to the string's length
