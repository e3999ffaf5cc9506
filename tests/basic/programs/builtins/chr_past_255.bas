' CHR$ makes one byte: a code past 255 stops the run
PRINT CHR$(256) ' expect runtime error: Illegal function call (error 5): CHR$ needs a code from 0 to 255
