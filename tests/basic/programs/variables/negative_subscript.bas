' a subscript below 0
DIM A(3): PRINT A(-1) ' expect runtime error: Subscript out of range (error 9)
