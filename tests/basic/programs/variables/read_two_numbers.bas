' the whole item must be one number; blanks inside one are skipped
READ A: PRINT A ' expect:  12
READ B ' expect runtime error: Syntax error (error 2): READ found "1X" where a number belongs (DATA in line 4)
DATA 1 2, 1X
