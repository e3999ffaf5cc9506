' a subscript below 0
DIM A(3): PRINT A(-1) ' expect runtime error: subscript out of range
