' DIM SHARED reaches every procedure
DIM SHARED A(2), B: B = 3: Set: PRINT A(1); B
SUB Set: A(1) = 7: B = B + 1: END SUB
' expect:  7  4
