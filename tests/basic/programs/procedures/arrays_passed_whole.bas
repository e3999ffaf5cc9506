' Arrays passed whole, and local arrays.
' the procedure changes the caller's array
DIM A(3): Fill A(): PRINT A(0); A(3)
SUB Fill (B()): FOR I = 0 TO 3: B(I) = I * I: NEXT: END SUB
' expect:  0  9
' a two-subscript string array
DIM M$(1, 1): M$(1, 1) = "z": PRINT Corner$(M$())
FUNCTION Corner$ (T$()): Corner$ = T$(1, 1): END FUNCTION
' expect: z
' a local array is fresh at each call
SUB Local: DIM L(2): L(1) = L(1) + 1: PRINT L(1);: END SUB
CALL Local: Local
' expect:  1  1
