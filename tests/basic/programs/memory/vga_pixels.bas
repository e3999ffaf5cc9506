' In SCREEN 13 the 64000 bytes at &HA000 are its pixels, a byte each, row
' after row of 320.
SCREEN 13
DEF SEG = &HA000
' a poked byte is a pixel's colour
POKE 320 * 10 + 5, 4: PRINT POINT(5, 10)
' expect:  4
' a pixel drawn reads back as its colour
PSET (7, 3), 200: PRINT PEEK(320 * 3 + 7)
' expect:  200
' the first pixel and the last
POKE 0, 1: POKE 63999, 2: PRINT POINT(0, 0); POINT(319, 199)
' expect:  1  2
LINE (0, 199)-(319, 199), 15: PRINT PEEK(63999); PEEK(320& * 199)
' expect:  15  15
' past the last pixel the bytes are plain memory: kept, no pixel drawn
POKE 64000, 99: PRINT PEEK(64000); POINT(0, 0)
' expect:  99  1
' outside SCREEN 13 the same bytes are plain memory
SCREEN 12: DEF SEG = &HA000: POKE 5, 42: PRINT PEEK(5); POINT(5, 0)
' expect:  42  0
