' an array used without DIM ends at 10
A(11) = 1 ' expect runtime error: Subscript out of range (error 9)
