' INPUT # of a file open for OUTPUT.
OPEN "O.TXT" FOR OUTPUT AS #1
INPUT #1, A ' expect runtime error: Bad file mode (error 54)
