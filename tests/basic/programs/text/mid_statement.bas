' The MID$ statement overwrites bytes in place.
' as many bytes as the text has
A$ = "ABCDEF": MID$(A$, 2) = "xy": PRINT A$ ' expect: AxyDEF
' never past the end
A$ = "ABCDEF": MID$(A$, 5) = "wxyz": PRINT A$ ' expect: ABCDwx
' the last byte
A$ = "ABCDEF": MID$(A$, 6) = "wxyz": PRINT A$ ' expect: ABCDEw
' at most the count
A$ = "ABCDEF": MID$(A$, 2, 1) = "xyz": PRINT A$ ' expect: AxCDEF
' nothing
A$ = "ABCDEF": MID$(A$, 2, 0) = "xyz": MID$(A$, 3) = "": PRINT A$ ' expect: ABCDEF
' a copy keeps its bytes
A$ = "AB": C$ = A$: MID$(A$, 1) = "x": PRINT A$; C$ ' expect: xBAB
' an element
DIM B$(2): B$(1) = "hello": I = 1: MID$(B$(I), 1) = "J": PRINT B$(1) ' expect: Jello
