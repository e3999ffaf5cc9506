' DEF FN: one-line and longer functions of their own.
' a DEF FN parameter leaves the variable of its name alone; others are the program's
DEF FNA(X) = X * 2 + Y
X = 10: Y = 1: PRINT FNA(3); X
' expect:  7  10
' DEF FN anywhere in the text, with a suffix
PRINT FNS$("ab")
DEF FNS$(A$) = A$ + "!"
' expect: ab!
' A$ the parameter, A the program's
A = 5: PRINT FNL("abc")
DEF FNL(A$) = LEN(A$) + A
' expect:  8
' a multi-line DEF FN with EXIT DEF
DEF FNM(A, B)
IF A > B THEN FNM = A: EXIT DEF
FNM = B
END DEF
PRINT FNM(3, 8); FNM(9, 2)
' expect:  8  9
