' COLOR checks its colour too
SCREEN 12: COLOR 16 ' expect runtime error: Illegal function call (error 5): colour 16 is not one of SCREEN 12's (0 to 15)
