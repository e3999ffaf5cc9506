' A folder on the way that is not there.
OPEN "NOPE\X.TXT" FOR OUTPUT AS #1 ' expect runtime error: Path not found (error 76)
