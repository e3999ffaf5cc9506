' the MID$ statement starting past the end
A$ = "AB": MID$(A$, 3) = "x" ' expect runtime error: Illegal function call (error 5): the MID$ statement needs a start from 1 to the string's length
