' an array with two DIMs is made by the one that runs
IF 0 THEN DIM A(2)
DIM A(4): PRINT UBOUND(A)
' expect:  4
