' SOUND: no negative duration
SOUND 440, -1 ' expect runtime error: Illegal function call (error 5): SOUND needs a duration from 0 to 65535
