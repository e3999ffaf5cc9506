' DATA items: a number, a quoted string with a comma, an exponent
READ A, B$, C
PRINT A; B$; C
DATA 1, "x, y", -2.5E1
' expect:  1 x, y-25
