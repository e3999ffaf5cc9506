' SOUND: a NaN duration
SOUND 440, 0 / 0 ' expect runtime error: SOUND needs a duration from 0 to 65535
