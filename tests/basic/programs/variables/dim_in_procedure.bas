' a procedure's DIM makes its local array at each call
SUB S: DIM L(2): L(2) = L(2) + 1: PRINT L(2): END SUB
CALL S: CALL S
' expect:  1
' expect:  1
