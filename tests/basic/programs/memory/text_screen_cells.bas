' On the PC's text screen, &HB800 is its cells: a character byte, then an
' attribute byte (foreground + 16 * background), row after row.
SCREEN 0: WIDTH 80, 25: CLS
LOCATE 2, 3: COLOR 14, 1: PRINT "Hi";
DEF SEG = &HB800
' row 2, column 3 is cell 80 + 2, its bytes at 2 * 82
PRINT : PRINT PEEK(164); PEEK(165); PEEK(166)
' expect: Hi
' expect:  72  30  105
' a poked cell is read back by SCREEN: a full block, white on red
POKE 0, 219: POKE 1, &H4F
PRINT SCREEN(1, 1); SCREEN(1, 1, 1)
' expect:  219  79
' past the grid's 4000 bytes, the page's bytes are memory of their own
POKE 4000, 65: PRINT PEEK(4000)
' expect:  65
DEF SEG
