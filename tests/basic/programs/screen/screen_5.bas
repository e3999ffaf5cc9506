' a mode of the PC that this BASIC lacks
SCREEN 5 ' expect runtime error: Illegal function call (error 5): SCREEN 5 is not a screen mode (0, 1, 2, 7 to 13)
