' an upper bound below the lower one
DIM A(-1) ' expect runtime error: Subscript out of range (error 9): an array's upper bound is below its lower bound
