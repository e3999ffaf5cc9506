' SWAP exchanges variables and elements of one type.
' two numbers
A = 1: B = 2: SWAP A, B: PRINT A; B ' expect:  2  1
' two strings
A$ = "left": B$ = "right": SWAP A$, B$: PRINT A$; B$ ' expect: rightleft
' elements and scalars; the test counts the strings left behind
A$(1) = "p": B$ = "q": SWAP A$(1), B$: SWAP A$(1), A$(2): PRINT A$(1); A$(2); B$ ' expect: qp
' elements of two subscripts
DIM M(2, 2): M(1, 2) = 5: I = 1: SWAP M(I, I + 1), M(2, 1): PRINT M(1, 2); M(2, 1) ' expect:  0  5
