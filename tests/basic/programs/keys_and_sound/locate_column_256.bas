' LOCATE: the text layer has 255 columns
LOCATE 1, 256 ' expect runtime error: Illegal function call (error 5): LOCATE needs a column from 1 to 255
