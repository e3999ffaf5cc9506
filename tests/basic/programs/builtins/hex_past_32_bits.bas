' HEX$ of a number of 33 bits stops the run
PRINT HEX$(4294967296) ' expect runtime error: Illegal function call (error 5): HEX$ needs a value from -2147483648 to 4294967295
