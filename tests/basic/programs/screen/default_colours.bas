' The colours figures draw in when none is given, and COLOR.
' the runtime's own screen reads its back buffer
PSET (1, 1), 2: PRINT POINT(1, 1) ' expect:  2
' white draws by default
SCREEN 13: PSET (1, 1): PRINT POINT(1, 1) ' expect:  15
' also for LINE
SCREEN 1: LINE (1, 1)-(3, 1): PRINT POINT(2, 1) ' expect:  3
' COLOR sets it
SCREEN 13: COLOR 40: CIRCLE (50, 50), 5: PRINT POINT(55, 50) ' expect:  40
' PRESET draws the background
SCREEN 12: PSET (1, 1), 3: PRESET (1, 1): PRINT POINT(1, 1) ' expect:  0
' COLOR's background
SCREEN 12: COLOR 2, 5: PRESET (1, 1): PRINT POINT(1, 1) ' expect:  5
' STEP from the last point
SCREEN 12: PSET (1, 1): PSET STEP (2, 3), 4: PRINT POINT(3, 4) ' expect:  4
