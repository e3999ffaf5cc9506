' ON needs a number from 0 to 255: a NaN, made of a double's infinities, stops the run
ON 1D300 * 1D300 - 1D300 * 1D300 GOTO 10 ' expect runtime error: Illegal function call (error 5): ON needs a number from 0 to 255
10 END
