' LINE in a negative colour
SCREEN 13: LINE (1, 1)-(2, 2), -1 ' expect runtime error: colour -1 is not one of SCREEN 13's (0 to 255)
