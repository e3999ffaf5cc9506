' LINE in a negative colour
SCREEN 13: LINE (1, 1)-(2, 2), -1 ' expect runtime error: Illegal function call (error 5): colour -1 is not one of SCREEN 13's (0 to 255)
