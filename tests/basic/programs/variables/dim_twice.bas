' a second DIM of an array, with other bounds
DIM A(2): DIM A(3) ' expect runtime error: Duplicate definition (error 10): array already dimensioned
