' a second DIM of an array, with other bounds
DIM A(2): DIM A(3) ' expect runtime error: array already dimensioned
