' APPEND adds to a file's end, and makes a file that is not there.
OPEN "A.TXT" FOR APPEND AS #1: PRINT #1, "one": CLOSE
OPEN "A.TXT" FOR APPEND AS #1: PRINT #1, "two";: CLOSE
OPEN "A.TXT" FOR APPEND AS #1: PRINT LOF(1): PRINT #1, "!": CLOSE ' expect:  8
' OUTPUT starts the file again
OPEN "B.TXT" FOR OUTPUT AS #1: PRINT #1, "gone": CLOSE
OPEN "B.TXT" FOR OUTPUT AS #1: PRINT #1, "new": CLOSE
OPEN "A.TXT" FOR INPUT AS #1: OPEN "B.TXT" FOR INPUT AS #2
WHILE NOT EOF(1): LINE INPUT #1, L$: PRINT L$: WEND
' expect: one
' expect: two!
LINE INPUT #2, L$: PRINT L$; EOF(2) ' expect: new-1
' RESET closes them all
RESET
PRINT FREEFILE ' expect:  1
