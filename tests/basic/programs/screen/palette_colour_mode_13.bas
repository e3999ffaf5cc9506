' mode 13's red, green and blue are 0 to 63 each
SCREEN 13: PALETTE 1, 64 ' expect runtime error: Illegal function call (error 5): PALETTE: 64 is not a colour of SCREEN 13
