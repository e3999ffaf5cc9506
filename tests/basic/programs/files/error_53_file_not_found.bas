' INPUT needs the file to be there.
OPEN "MISSING.TXT" FOR INPUT AS #1 ' expect runtime error: File not found (error 53)
