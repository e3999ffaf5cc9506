' a DIM reached again with other bounds
10 DIM A(N) ' expect runtime error: Duplicate definition (error 10): array already dimensioned
20 N = N + 1: IF N < 2 THEN 10
