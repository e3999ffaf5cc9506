' CHR$ makes one byte: a code past 255 stops the run
PRINT CHR$(256) ' expect runtime error: CHR$ needs a code from 0 to 255
