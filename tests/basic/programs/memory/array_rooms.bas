' Each array of numbers has a room of its own, found again at each VARPTR.
DIM A%(2)
S = VARSEG(A%(0))
' the first array's room starts at segment &H2000, offset 0
PRINT HEX$(S); VARPTR(A%(0))
' expect: 2000 0
' an array grown by REDIM past its room gets a new one; the old is plain
' memory again
REDIM A%(100): A%(100) = 7
PRINT VARSEG(A%(0)) <> S
' expect: -1
DEF SEG = VARSEG(A%(100)): PRINT PEEK(VARPTR(A%(100)))
' expect:  7
' an array past 64 KB: every 64 KB a segment &H1000 higher, the offset
' starting again
DIM L&(20000)
PRINT HEX$(VARSEG(L&(16384)) - VARSEG(L&(0))); VARPTR(L&(16384)); VARPTR(L&(16383))
' expect: 1000 0  65532
L&(16384) = 258: DEF SEG = VARSEG(L&(16384)): PRINT PEEK(0); PEEK(1)
' expect:  2  1
' after ERASE the room reads 0 and takes pokes without effect
DEF SEG = VARSEG(A%(100)): P = VARPTR(A%(100))
ERASE A%: POKE P, 9: PRINT PEEK(P)
' expect:  0
' a two-dimensional array's elements lie as QBasic laid them, the first
' subscript changing fastest: M%(1, 0) follows M%(0, 0), and a poke there
' is M%(1, 0)'s, as GET and PUT see the array too
DIM M%(1, 2)
PRINT VARPTR(M%(0, 1)) - VARPTR(M%(0, 0)); VARPTR(M%(1, 0)) - VARPTR(M%(0, 0))
' expect:  4  2
DEF SEG = VARSEG(M%(0, 0)): POKE VARPTR(M%(0, 0)) + 2, 7: DEF SEG
PRINT M%(1, 0); M%(0, 1)
' expect:  7  0
