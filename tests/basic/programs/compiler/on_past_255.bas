' ON needs a number from 0 to 255: 256 stops the run
ON 256 GOSUB 10 ' expect runtime error: Illegal function call (error 5): ON needs a number from 0 to 255
10 END
