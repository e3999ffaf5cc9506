' File numbers run from 1 to 255.
OPEN "X.TXT" FOR OUTPUT AS #256 ' expect runtime error: Bad file name or number (error 52)
