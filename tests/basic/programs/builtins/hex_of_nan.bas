' HEX$ of NaN, made of a double's infinities, stops the run
PRINT HEX$(1D300 * 1D300 - 1D300 * 1D300) ' expect runtime error: Illegal function call (error 5): HEX$ needs a value from -2147483648 to 4294967295
