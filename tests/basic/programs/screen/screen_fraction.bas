' SCREEN 12.5 is no mode: the value as written, not rounded
SCREEN 12.5 ' expect runtime error: Illegal function call (error 5): SCREEN 12.5 is not a screen mode (0, 1, 2, 7 to 13)
