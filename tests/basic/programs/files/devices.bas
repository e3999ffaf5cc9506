' The devices: SCRN: writes where PRINT does, KYBD: reads the keys INPUT$
' reads, NUL: drops what it is given and reads nothing.
OPEN "SCRN:" FOR OUTPUT AS #1
PRINT #1, "screen"; 1 ' expect: screen 1
WRITE #1, "w", 2 ' expect: "w",2
OPEN "KYBD:" FOR INPUT AS #2
' input: typed, 42
INPUT #2, A$, B: PRINT A$; B ' expect: typed 42
OPEN "NUL" FOR OUTPUT AS #3: PRINT #3, "gone"
OPEN "NUL" FOR INPUT AS #4: PRINT EOF(4) ' expect: -1
CLOSE
