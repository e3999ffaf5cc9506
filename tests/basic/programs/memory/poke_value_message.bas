' POKE's value must fit a byte, and the message says so.
DEF SEG = 0
POKE 0, 256 ' expect runtime error: Illegal function call (error 5): POKE needs a value from 0 to 255
