' A number no OPEN gave is error 52.
PRINT #3, "x" ' expect runtime error: Bad file name or number (error 52)
