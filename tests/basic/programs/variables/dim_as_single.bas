' SINGLE is a double here
DIM D AS DOUBLE, S AS SINGLE: D = 0.1: S = 0.1: PRINT D = S ' expect: -1
