' DRAW's P paints up to the border
SCREEN 13: LINE (0, 0)-(9, 9), 4, B: PSET (5, 5): DRAW "P9,4": PRINT POINT(1, 1); POINT(10, 10) ' expect:  9  0
