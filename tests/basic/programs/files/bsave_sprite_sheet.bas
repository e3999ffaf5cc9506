' The classic idiom: an image taken with GET, saved with BSAVE from its
' array's VARSEG:VARPTR, loaded with BLOAD into another array and put.
SCREEN 13
PSET (0, 0), 5: PSET (1, 0), 9
DIM a%(3): GET (0, 0)-(1, 0), a%
DEF SEG = VARSEG(a%(0)): BSAVE "SPRITE.BSV", VARPTR(a%(0)), 6: DEF SEG
DIM b%(3)
DEF SEG = VARSEG(b%(0)): BLOAD "SPRITE.BSV", VARPTR(b%(0)): DEF SEG
PRINT b%(0); b%(1); b%(2); b%(3)
' expect:  16  1  2309  0
PUT (10, 100), b%, PSET: PRINT POINT(10, 100); POINT(11, 100)
' expect:  5  9
' the file holds the 7-byte header and the 6 bytes
OPEN "SPRITE.BSV" FOR BINARY AS #1: PRINT LOF(1); ASC(INPUT$(1, #1)): CLOSE #1
' expect:  13  253
