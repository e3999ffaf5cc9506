' WINDOW's logical coordinates.
' WINDOW's y grows upwards
SCREEN 12: WINDOW (0, 0)-(639, 479): PSET (0, 0), 4: WINDOW: PRINT POINT(0, 479) ' expect:  4
' WINDOW SCREEN's downwards, and it scales
SCREEN 12: WINDOW SCREEN (0, 0)-(63.9, 47.9): PSET (1, 1), 4: WINDOW: PRINT POINT(10, 10) ' expect:  4
