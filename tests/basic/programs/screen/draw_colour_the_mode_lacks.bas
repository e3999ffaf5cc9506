' a DRAW colour the mode lacks ends the run once the string is done
SCREEN 1: DRAW "C9 R4" ' expect runtime error: Illegal function call (error 5): DRAW's colour 9 is not one of this screen's
