' LOCATE: rows count from 1
LOCATE 0 ' expect runtime error: Illegal function call (error 5): LOCATE needs a row from 1 to 101
