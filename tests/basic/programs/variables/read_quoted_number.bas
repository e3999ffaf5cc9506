' a quoted item is a string; without a line number, the file's line
READ A ' expect runtime error: Syntax error (error 2): READ found "7" where a number belongs (DATA in line 4)
PRINT
DATA "7"
