' SOUND: a NaN duration, made of a double's infinities
SOUND 440, 1D300 * 1D300 - 1D300 * 1D300 ' expect runtime error: Illegal function call (error 5): SOUND needs a duration from 0 to 65535
