' Arrays with both bounds given.
' negative lower bound
DIM A(-2 TO 2): A(-2) = 5: A(2) = 7: PRINT A(-2); A(2) ' expect:  5  7
' two dimensions, each with its bounds
DIM B(1 TO 2, 5 TO 6): B(2, 6) = 1: B(1, 5) = 2: PRINT B(2, 6); B(1, 5) ' expect:  1  2
