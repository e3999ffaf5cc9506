' base 1 has no element 0
OPTION BASE 1: PRINT A(0) ' expect runtime error: Subscript out of range (error 9)
