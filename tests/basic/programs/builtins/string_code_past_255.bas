' STRING$ of a code past a byte stops the run
PRINT STRING$(2, 256) ' expect runtime error: Illegal function call (error 5): STRING$ needs a code from 0 to 255
