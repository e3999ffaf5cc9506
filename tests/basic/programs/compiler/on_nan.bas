' ON needs a number from 0 to 255: NaN stops the run
ON 0 / 0 GOTO 10 ' expect runtime error: ON needs a number from 0 to 255
10 END
