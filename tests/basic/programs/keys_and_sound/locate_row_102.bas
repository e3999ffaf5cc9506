' LOCATE: the text layer has 101 rows
LOCATE 102, 1 ' expect runtime error: LOCATE needs a row from 1 to 101
