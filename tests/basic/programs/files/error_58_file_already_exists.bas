' NAME will not replace a file.
OPEN "A.TXT" FOR OUTPUT AS #1: CLOSE
OPEN "B.TXT" FOR OUTPUT AS #1: CLOSE
NAME "A.TXT" AS "B.TXT" ' expect runtime error: File already exists (error 58)
