' WINDOW maps onto VIEW's area; PMAP turns WINDOW's coordinates into the
' physical ones (from the area's corner without SCREEN) and back, POINT(n)
' gives the last point both ways. The area is 100 x 100 pixels.
SCREEN 13
VIEW (100, 50)-(199, 149): WINDOW (0, 0)-(99, 99)
' x to the right from the corner, y upwards from the bottom
PRINT PMAP(0, 0); PMAP(99, 0); PMAP(0, 1); PMAP(99, 1) ' expect:  0  99  99  0
PRINT PMAP(50, 2); PMAP(0, 3); PMAP(99, 3) ' expect:  50  99  0
PSET (10, 20), 4
PRINT POINT(0); POINT(1); POINT(2); POINT(3) ' expect:  10  79  10  20
' the pixel lit is the area's corner plus the physical point
VIEW: WINDOW: PRINT POINT(110, 129) ' expect:  4
' with SCREEN the physical coordinates are the screen's own
VIEW SCREEN (100, 50)-(199, 149): WINDOW SCREEN (0, 0)-(99, 99)
PRINT PMAP(0, 0); PMAP(99, 1); PMAP(100, 2) ' expect:  100  149  0
' without WINDOW, PMAP and POINT(n) give the physical coordinates alike
WINDOW: PSET (120, 60)
PRINT PMAP(120, 0); POINT(0); POINT(2) ' expect:  120  120  120
' a radius in WINDOW's units spans the area, not the screen: 10 of 99
VIEW SCREEN (0, 0)-(99, 99): WINDOW (0, 0)-(99, 99): CIRCLE (50, 50), 10, 4, , , 1
VIEW: WINDOW: PRINT POINT(60, 49); POINT(82, 49) ' expect:  4  0
