' UBOUND of a NaN dimension
DIM A(2): PRINT UBOUND(A, 0 / 0) ' expect runtime error: subscript out of range
