' A file opened ACCESS READ takes no PUT.
OPEN "B.BIN" FOR OUTPUT AS #1: PRINT #1, "x": CLOSE
OPEN "B.BIN" FOR BINARY ACCESS READ AS #1
GET #1, 1, I%: PRINT I% ' expect:  3448
PUT #1, 1, I% ' expect runtime error: Path/File access error (error 75)
