' LBOUND and UBOUND, dimension 1 by default
DIM A(-3 TO 4, 7): PRINT LBOUND(A); UBOUND(A); LBOUND(A, 2); UBOUND(A, 2) ' expect: -3  4  0  7
