' Reading past the last item.
OPEN "E.TXT" FOR OUTPUT AS #1: PRINT #1, 5: CLOSE
OPEN "E.TXT" FOR INPUT AS #1
INPUT #1, A: PRINT A ' expect:  5
INPUT #1, A ' expect runtime error: Input past end of file (error 62)
