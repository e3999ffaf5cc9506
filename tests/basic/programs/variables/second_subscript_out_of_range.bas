' the second subscript past its bound
DIM A$(2, 2): A$(1, 3) = "x" ' expect runtime error: Subscript out of range (error 9)
