' The classic OPEN's mode letter must be one of I, O, A, R, B.
OPEN "X", #1, "F.TXT" ' expect runtime error: Bad file mode (error 54)
