' LOCATE: a row far out of range
LOCATE 1E10 ' expect runtime error: Illegal function call (error 5): LOCATE needs a row from 1 to 101
