' One number holds one file at a time.
OPEN "O.TXT" FOR OUTPUT AS #1
OPEN "P.TXT" FOR OUTPUT AS #1 ' expect runtime error: File already open (error 55)
