' READ past the last DATA item
READ A, B ' expect runtime error: out of DATA
DATA 1
