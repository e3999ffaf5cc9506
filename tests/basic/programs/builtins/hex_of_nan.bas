' HEX$ of NaN stops the run
PRINT HEX$(0 / 0) ' expect runtime error: Illegal function call (error 5): HEX$ needs a value from -2147483648 to 4294967295
