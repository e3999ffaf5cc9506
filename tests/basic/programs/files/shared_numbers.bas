' One file open for INPUT under two numbers: each number has a position
' of its own.
OPEN "S.TXT" FOR OUTPUT AS #1: PRINT #1, "one": PRINT #1, "two": CLOSE #1
OPEN "S.TXT" FOR INPUT AS #1
OPEN "S.TXT" FOR INPUT AS #2
LINE INPUT #1, A$: LINE INPUT #1, B$: LINE INPUT #2, C$
PRINT A$; " "; B$; " "; C$; EOF(1); EOF(2) ' expect: one two one-1  0
CLOSE
' a file open for OUTPUT may not be opened again under another number
OPEN "S.TXT" FOR OUTPUT AS #1
OPEN "S.TXT" FOR INPUT AS #2 ' expect runtime error: File already open (error 55)
