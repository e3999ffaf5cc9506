' UBOUND of a NaN dimension, made of a double's infinities
DIM A(2): PRINT UBOUND(A, 1D300 * 1D300 - 1D300 * 1D300) ' expect runtime error: Subscript out of range (error 9)
