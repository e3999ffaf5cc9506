' empty items are 0 and ""
READ A, B, C$: PRINT A; B; "<" C$ ">"
DATA , 7,
' expect:  0  7 <>
