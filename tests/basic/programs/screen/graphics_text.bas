' Text in the graphics modes lands in the mode's grid of cells.
' SCREEN 13: 40 columns of 25 rows
SCREEN 13: LOCATE 25, 40: R = CSRLIN: P = POS(0): LOCATE 1, 1: PRINT R; P
' expect:  25  40
' a cell holds the colour number COLOR chose
COLOR 100: LOCATE 2, 1: PRINT "q": A = SCREEN(2, 1, 1): C = SCREEN(2, 1): PRINT A; C
' expect: q
' expect:  100  113
' SCREEN 12: 80 x 30
SCREEN 12: LOCATE 30, 80: R = CSRLIN: P = POS(0): LOCATE 1, 1: PRINT R; P
' expect:  30  80
' SCREEN 9: 80 x 25
SCREEN 9: LOCATE 25, 80: R = CSRLIN: P = POS(0): LOCATE 1, 1: PRINT R; P
' expect:  25  80
' SCREEN 1: 40 x 25
SCREEN 1: LOCATE 25, 40: R = CSRLIN: P = POS(0): LOCATE 1, 1: PRINT R; P
' expect:  25  40
' past the bottom the grid scrolls
SCREEN 13: LOCATE 25, 1: PRINT "a": PRINT "b";: A$ = CHR$(SCREEN(24, 1)): PRINT : PRINT A$
' expect: a
' expect: b
' expect: a
' CLS 2 clears VIEW PRINT's rows and leaves the figures below them
SCREEN 13: CLS: PSET (300, 190), 4: PRINT "t": VIEW PRINT 1 TO 5: CLS 2: VIEW PRINT: PRINT POINT(300, 190); SCREEN(1, 1)
' expect: t
' expect:  4  32
