' PALETTE: an attribute the mode lacks
SCREEN 9: PALETTE 16, 2 ' expect runtime error: Illegal function call (error 5): PALETTE: 16 is not an attribute of SCREEN 9
