' the classic ';' that kept the cursor on the line is read
' input: x, y
' input: 1, 2
LINE INPUT; "> "; L$: INPUT; A, B: PRINT L$; A + B
' expect: > x, y
' expect: ? 1, 2
' expect: x, y 3
