' READ past the last DATA item
READ A, B ' expect runtime error: Out of DATA (error 4)
DATA 1
