' the MID$ statement on an element out of range
DIM B$(2): MID$(B$(3), 1) = "x" ' expect runtime error: Subscript out of range (error 9)
