' an element out of range as an argument
DIM A(2): Bump A(5) ' expect runtime error: Subscript out of range (error 9)
SUB Bump (X): END SUB
