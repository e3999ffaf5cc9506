' an element out of range as an argument
DIM A(2): Bump A(5) ' expect runtime error: subscript out of range
SUB Bump (X): END SUB
