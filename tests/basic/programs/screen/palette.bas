' PALETTE changes the colours numbers draw in.
' a pixel keeps its colour number whatever colour PALETTE gives the number
SCREEN 9: PSET (1, 1), 4: PALETTE 4, 36: PRINT POINT(1, 1) ' expect:  4
' PALETTE takes a VGA colour; PALETTE alone restores the mode's
SCREEN 13: PALETTE 1, 63: PSET (100, 100), 1: PRINT POINT(100, 100): PALETTE: PRINT POINT(100, 100)
' expect:  1
' expect:  1
