' SOUND: a frequency below 37 Hz
SOUND 36, 1 ' expect runtime error: Illegal function call (error 5): SOUND needs a frequency from 37 to 32767
