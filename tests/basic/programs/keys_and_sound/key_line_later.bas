' KEY ON before the PC's text screen is chosen: the runtime's own screen
' has no row to give, and the line shows once WIDTH chooses the text screen.
KEY ON
PRINT "own" ' expect: own
WIDTH 80
DEF SEG = &HB800
PRINT CHR$(PEEK(24 * 160)); CHR$(PEEK(24 * 160 + 2)) ' expect: 1L
