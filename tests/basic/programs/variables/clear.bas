' CLEAR resets the variables and unmakes the arrays.
' CLEAR resets every variable and unmakes arrays
A = 5: A$ = "s": DIM B(2): B(1) = 3: CLEAR: PRINT A; "[" A$ "]"; B(1) ' expect:  0 [] 0
' CLEAR's arguments are ignored
DIM C(2): CLEAR , 1000: DIM C(5): C(5) = 1: PRINT C(5) ' expect:  1
