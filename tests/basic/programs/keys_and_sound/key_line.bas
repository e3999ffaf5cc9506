' KEY ON's line of labels on the PC's text screen's bottom row, read back
' from the screen's memory: each key's digit, then six of its bytes in
' reverse video, then a space; KEY OFF gives the row back.
WIDTH 80
COLOR 7, 1
KEY ON
DEF SEG = &HB800
R = 24 * 160
' F1's digit in the text's colours, its label reversed
PRINT CHR$(PEEK(R)); CHR$(PEEK(R + 2)); CHR$(PEEK(R + 4)); " "; HEX$(PEEK(R + 1)); " "; HEX$(PEEK(R + 3)) ' expect: 1LI 17 71
' F10 is 0, in the last eight columns; a CR shows as a space
PRINT CHR$(PEEK(R + 144)); CHR$(PEEK(R + 146)); PEEK(R + 30) ' expect: 0S 32
' a new text shows at once
KEY 2, "GOTO"
PRINT CHR$(PEEK(R + 16)); CHR$(PEEK(R + 18)); CHR$(PEEK(R + 24)) ' expect: 2GO
' text scrolls above the line, never over it
LOCATE 24, 1: PRINT "x": PRINT "y" ' expect: x
' expect: y
PRINT CHR$(PEEK(R)); CHR$(PEEK(R + 2)); CSRLIN ' expect: 1L 24
' CLS clears above the line only
CLS: PRINT CHR$(PEEK(R)); CSRLIN ' expect: 1 1
' and CLS 0 clears it, but the line comes back
CLS 0: PRINT CHR$(PEEK(R + 2)) ' expect: L
' KEY OFF blanks the row and gives it back
KEY OFF
LOCATE 25, 1: PRINT "z"; : PRINT CHR$(PEEK(R)); PEEK(R + 2) ' expect: zz 32
