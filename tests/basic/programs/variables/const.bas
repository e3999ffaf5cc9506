' CONST names values worked out before the run.
' a constant from an earlier one
CONST PI = 3.5, TWO = PI * 2: PRINT PI; TWO ' expect:  3.5  7
' string constants
CONST N$ = "ab" + CHR$(67), L = LEN(N$): PRINT N$; L ' expect: abC 3
' a constant keeps its suffix's type
CONST K% = 2.5, T = -1: PRINT K%; NOT T ' expect:  2  0
