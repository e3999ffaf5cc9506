' CHR$ needs a code from 0 to 255: a negative one stops the run
PRINT CHR$(-1) ' expect runtime error: Illegal function call (error 5): CHR$ needs a code from 0 to 255
