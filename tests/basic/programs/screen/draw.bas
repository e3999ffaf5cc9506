' DRAW on the classic screens; its colour lasts to the next DRAW, so the
' row that sets one comes last.
' and in the foreground colour
SCREEN 13: PSET (10, 10): DRAW "D3": PRINT POINT(10, 13) ' expect:  15
' and moves the last point
SCREEN 12: PSET (1, 1): DRAW "BR4": PSET STEP (0, 0), 2: PRINT POINT(5, 1) ' expect:  2
' DRAW draws in the mode's pixels and colours, from the last point
SCREEN 13: PSET (10, 10), 1: DRAW "C4 R5": PRINT POINT(15, 10) ' expect:  4
