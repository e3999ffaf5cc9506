' SCREEN's pages: the program draws on the active page, the window shows
' the visible one, and PCOPY copies a page onto another.
' SCREEN 7 has 8 pages; POINT reads the active one
SCREEN 7, , 1, 0: PSET (50, 100), 12: PRINT POINT(50, 100);
SCREEN 7, , 0, 0: PRINT POINT(50, 100);
PCOPY 1, 0: PRINT POINT(50, 100)
' expect:  12  0  12
' the same mode keeps what is drawn; the visible page is the active one
' unless given
SCREEN 7, , 3: PSET (60, 120), 2: SCREEN 7, , 2, 3: PRINT POINT(60, 120); : SCREEN , , 3, 3: PRINT POINT(60, 120)
' expect:  0  2
' another mode starts afresh on page 0
SCREEN 9: PRINT POINT(50, 100)
' expect:  0
' pages each mode does not have
SCREEN 9, , 2 ' expect runtime error: Illegal function call (error 5): SCREEN: SCREEN 9 has pages 0 to 1
