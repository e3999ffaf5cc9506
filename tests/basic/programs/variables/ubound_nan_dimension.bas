' UBOUND of a NaN dimension
DIM A(2): PRINT UBOUND(A, 0 / 0) ' expect runtime error: Subscript out of range (error 9)
