' Offsets, values, segments and ports out of range are Illegal function
' call; each is trapped and the run goes on.
ON ERROR GOTO Trap
' an offset past 65535
X = PEEK(65536)
' expect:  5
' below an INTEGER's range
POKE -32769, 0
' expect:  5
' a value a byte cannot hold
POKE 0, 256
' expect:  5
POKE 0, -1
' expect:  5
' a segment past 65535
DEF SEG = 70000
' expect:  5
' ports and their values
OUT 65536, 0
' expect:  5
OUT &H3C9, 300
' expect:  5
X = INP(-40000)
' expect:  5
WAIT &H3DA, 256
' expect:  5
' not a number at all
DEF SEG = 0: X = PEEK(1E+300)
' expect:  5
END
Trap:
PRINT ERR
RESUME NEXT
