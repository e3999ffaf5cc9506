' the MID$ statement with a negative count
A$ = "AB": MID$(A$, 1, -1) = "x" ' expect runtime error: Illegal function call (error 5): MID$ needs a count of 0 or more
