' PUT is for random and binary files.
OPEN "O.TXT" FOR OUTPUT AS #1
PUT #1, 1 ' expect runtime error: Bad file mode (error 54)
