' UBOUND of a dimension the array lacks
DIM A(2): PRINT UBOUND(A, 2) ' expect runtime error: Subscript out of range (error 9)
