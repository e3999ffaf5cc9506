' ON needs a number from 0 to 255: NaN stops the run
ON 0 / 0 GOTO 10 ' expect runtime error: Illegal function call (error 5): ON needs a number from 0 to 255
10 END
