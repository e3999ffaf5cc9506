' VIEW clips every figure to its area; POINT reads -1 outside it, so each
' check looks again with VIEW alone, the whole screen.
SCREEN 13
' a line across the area is drawn between its corners only
VIEW SCREEN (10, 10)-(20, 20): LINE (0, 0)-(30, 30), 4
PRINT POINT(9, 9); POINT(10, 10); POINT(21, 21) ' expect: -1  4 -1
VIEW: PRINT POINT(9, 9); POINT(10, 10); POINT(20, 20); POINT(21, 21) ' expect:  0  4  4  0
' a circle centred on the area's left edge keeps its right half
VIEW SCREEN (100, 100)-(200, 180): CIRCLE (100, 150), 20, 2, , , 1
VIEW: PRINT POINT(80, 150); POINT(120, 150); POINT(100, 130) ' expect:  0  2  2
' PAINT floods the area and stops at its edges
VIEW SCREEN (50, 50)-(60, 60): PAINT (55, 55), 3
VIEW: PRINT POINT(50, 50); POINT(60, 60); POINT(49, 55); POINT(61, 55) ' expect:  3  3  0  0
' PAINT inside the area still stops at its border colour
VIEW SCREEN (0, 100)-(40, 140): LINE (20, 100)-(20, 140), 9: PAINT (5, 120), 7, 9
VIEW: PRINT POINT(0, 100); POINT(19, 140); POINT(20, 120); POINT(21, 120) ' expect:  7  7  9  0
' without SCREEN the coordinates start at the area's corner
VIEW (100, 20)-(150, 40): PSET (0, 0), 5: PSET (60, 0), 6
VIEW: PRINT POINT(100, 20); POINT(160, 20) ' expect:  5  0
' the fill colours the area, the border the pixels around it
VIEW SCREEN (200, 10)-(202, 12), 1, 2
VIEW: PRINT POINT(201, 11); POINT(199, 9); POINT(203, 11); POINT(204, 11) ' expect:  1  2  2  0
' CLS clears the area alone, in the background colour
VIEW SCREEN (200, 10)-(202, 12): CLS
VIEW: PRINT POINT(201, 11); POINT(199, 9) ' expect:  0  2
' PUT's point is within the area too, and the image must fit in it
DIM a%(10): PSET (0, 0), 8: GET (0, 0)-(1, 0), a%
VIEW (250, 150)-(260, 160): PUT (0, 0), a%, PSET
VIEW: PRINT POINT(250, 150) ' expect:  8
