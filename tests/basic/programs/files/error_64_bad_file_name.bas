' A name with a character no file name may hold.
OPEN "A<B.TXT" FOR OUTPUT AS #1 ' expect runtime error: Bad file name (error 64)
