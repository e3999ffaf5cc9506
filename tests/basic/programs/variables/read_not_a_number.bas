' an item that is not a number names its DATA's line number
READ A ' expect runtime error: Syntax error (error 2): READ found "ABC" where a number belongs (DATA in line 140)
140 DATA ABC
