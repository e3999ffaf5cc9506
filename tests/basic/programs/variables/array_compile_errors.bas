' Arrays and OPTION BASE found wrong before the run.
' only 0 or 1
OPTION BASE 2 ' expect error 13: expected 0 or 1, found a number
' REDIM keeps the dimensions
DIM A(2): REDIM A(2, 2) ' expect error 17: array A has 1 subscripts elsewhere
' OPTION BASE late
PRINT A(1): OPTION BASE 1 ' expect error 13: OPTION BASE must come before the first array
