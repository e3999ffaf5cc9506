' the whole item must be one number
READ A ' expect runtime error: Syntax error (error 2): READ found "1 2" where a number belongs (DATA in line 3)
DATA 1 2
