' an array used without DIM ends at 10
A(11) = 1 ' expect runtime error: subscript out of range
