' STRING$ of an empty string has no byte to repeat
PRINT STRING$(2, "") ' expect runtime error: Illegal function call (error 5): STRING$ needs a string of one byte or more
