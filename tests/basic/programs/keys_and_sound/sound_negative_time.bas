' SOUND: no negative duration
SOUND 440, -1 ' expect runtime error: SOUND needs a duration from 0 to 65535
