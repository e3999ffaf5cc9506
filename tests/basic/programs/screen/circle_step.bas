' CIRCLE leaves the last point at its centre, and its STEP counts from the
' last point
SCREEN 13: CIRCLE (100, 50), 20, 4: PRINT POINT(0); POINT(1) ' expect:  100  50
CIRCLE STEP (10, 60), 5: PRINT POINT(0); POINT(1) ' expect:  110  110
' drawn round that centre: its rightmost and leftmost points
PRINT POINT(115, 110); POINT(105, 110); POINT(110, 110) ' expect:  15  15  0
' LINE goes on from the centre
LINE -(0, 199), 2: PRINT POINT(110, 110) ' expect:  2
