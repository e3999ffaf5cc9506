' LOCATE: the text layer has 101 rows
LOCATE 102, 1 ' expect runtime error: Illegal function call (error 5): LOCATE needs a row from 1 to 101
