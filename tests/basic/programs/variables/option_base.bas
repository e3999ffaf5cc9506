' OPTION BASE 1 holds for DIM's arrays and the automatic ones.
' OPTION BASE 1
OPTION BASE 1: DIM A(3): A(1) = 1: A(3) = 3: PRINT A(1) + A(3) ' expect:  4
' the bounds of an automatic array
Z$(5) = "a": PRINT LBOUND(Z$); UBOUND(Z$) ' expect:  1  10
