' SCREEN 0 gives the PC's text screen: its cells read back with SCREEN().
SCREEN 0
' a cell's character, and with 1 its attribute: yellow on blue is &H1E
COLOR 14, 1: LOCATE 3, 4: PRINT "A": PRINT SCREEN(3, 4); SCREEN(3, 4, 1)
' expect: A
' expect:  65  30
' blinking is bit 7 of the attribute: 28 is blinking 12
COLOR 28, 2: PRINT "B": C = SCREEN(CSRLIN - 1, 1, 1): COLOR 7, 0: PRINT C
' expect: B
' expect:  172
' a blank cell is a space in the default colours
PRINT SCREEN(20, 80); SCREEN(20, 80, 0); SCREEN(20, 80, 1)
' expect:  32  32  7
' CLS blanks every cell in the current colours
COLOR 7, 4: CLS: COLOR 7, 0: PRINT SCREEN(25, 80, 1)
' expect:  71
' LOCATE reaches the last cell, and POS and CSRLIN follow
LOCATE 25, 80: P = POS(0): R = CSRLIN: LOCATE 1, 1: PRINT R; P
' expect:  25  80
' printing past the last column goes on at the next row (an item longer
' than a row starts where the cursor is)
CLS: LOCATE 5, 78: PRINT STRING$(84, "a");: R = CSRLIN: P = POS(0): LOCATE 1, 1: PRINT R; P
' expect: aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa 7  2
' printing past the bottom row scrolls the screen up
CLS: LOCATE 25, 1: PRINT "x": PRINT "y";: A$ = CHR$(SCREEN(24, 1)) + CHR$(SCREEN(25, 1)): PRINT : PRINT A$
' expect: x
' expect: y
' expect: xy
' VIEW PRINT's rows scroll, the rows outside stay
CLS: PRINT "top";: VIEW PRINT 3 TO 5: PRINT "a": PRINT "b": PRINT "c": PRINT "d";
VIEW PRINT: A$ = CHR$(SCREEN(1, 1)) + CHR$(SCREEN(3, 1)) + CHR$(SCREEN(4, 1)) + CHR$(SCREEN(5, 1)): PRINT : PRINT A$
' expect: topa
' expect: b
' expect: c
' expect: d
' expect: tbcd
' CLS 2 clears VIEW PRINT's rows only
CLS: PRINT "k": VIEW PRINT 2 TO 4: PRINT "m": CLS 2: VIEW PRINT: A$ = CHR$(SCREEN(1, 1)): B = SCREEN(2, 1): PRINT A$; B
' expect: k
' expect: m
' expect: k 32
' WIDTH 40 with 50 rows
WIDTH 40, 50: LOCATE 50, 40: R = CSRLIN: P = POS(0): LOCATE 1, 1: PRINT R; P
' expect:  50  40
' 43 rows
WIDTH 80, 43: LOCATE 43, 80: R = CSRLIN: LOCATE 1, 1: PRINT R
' expect:  43
' the cursor's shape is taken
LOCATE 1, 1, 1, 6, 7: PRINT "z"
' expect: z
