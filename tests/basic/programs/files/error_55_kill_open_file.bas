' KILL leaves an open file alone.
OPEN "O.TXT" FOR OUTPUT AS #1
KILL "O.TXT" ' expect runtime error: File already open (error 55)
