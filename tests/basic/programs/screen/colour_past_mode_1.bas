' mode 1 has four colours
SCREEN 1: PSET (1, 1), 4 ' expect runtime error: Illegal function call (error 5): colour 4 is not one of SCREEN 1's (0 to 3)
