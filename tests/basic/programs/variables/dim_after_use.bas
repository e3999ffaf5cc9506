' a DIM after a use made the automatic array
N = 3: X = A(1): DIM A(N) ' expect runtime error: Duplicate definition (error 10): array already dimensioned
