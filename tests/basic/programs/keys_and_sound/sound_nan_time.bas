' SOUND: a NaN duration
SOUND 440, 0 / 0 ' expect runtime error: Illegal function call (error 5): SOUND needs a duration from 0 to 65535
