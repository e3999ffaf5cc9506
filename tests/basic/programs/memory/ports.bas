' The ports with nothing behind them, the keyboard's, and WAIT.
' a port with nothing behind it reads 255, and takes any value written
OUT &H378, 1: PRINT INP(&H378); INP(0); INP(&HFFFF)
' expect:  255  255  255
' &H60: the scan code of the last key taken (the keys come from the
' input lines)
' input: a1
K$ = INKEY$: PRINT K$; INP(&H60)
' expect: a 30
K$ = INKEY$: PRINT K$; INP(&H60)
' expect: 1 2
K$ = INKEY$: PRINT ASC(K$); INP(&H60)
' expect:  13  28
' the retrace bit is the only one &H3DA sets
PRINT INP(&H3DA) AND NOT 8
' expect:  0
' WAIT for the retrace and for its end returns
WAIT &H3DA, 8: WAIT &H3DA, 8, 8
PRINT "retrace"
' expect: retrace
' a WAIT whose port never matches waits for a key, and leaves it
' input: z
WAIT &H378, 0
PRINT INKEY$
' expect: z
' the library's names are the program's own variables when it assigns them
ABSOLUTE = 1: INTERRUPT(2) = 3: PRINT ABSOLUTE; INTERRUPT(2)
' expect:  1  3
