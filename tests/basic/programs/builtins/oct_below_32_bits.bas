' OCT$ of a number below -2147483648 stops the run
PRINT OCT$(-2147483649) ' expect runtime error: Illegal function call (error 5): OCT$ needs a value from -2147483648 to 4294967295
