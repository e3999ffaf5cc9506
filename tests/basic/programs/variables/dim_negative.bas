' an upper bound below the lower one
DIM A(-1) ' expect runtime error: an array's upper bound is below its lower bound
