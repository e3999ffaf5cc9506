' under OPTION BASE 1, DIM A(0) is 1 TO 0
OPTION BASE 1: DIM A(0) ' expect runtime error: Subscript out of range (error 9): an array's upper bound is below its lower bound
