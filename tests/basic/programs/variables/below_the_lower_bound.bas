' a subscript below the lower bound
DIM A(1 TO 3): PRINT A(0) ' expect runtime error: Subscript out of range (error 9)
