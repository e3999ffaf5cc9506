' LOCATE: rows count from 1
LOCATE 0 ' expect runtime error: LOCATE needs a row from 1 to 101
