' mode 9's colours are the EGA's 64
SCREEN 9: PALETTE 1, 64 ' expect runtime error: Illegal function call (error 5): PALETTE: 64 is not a colour of SCREEN 9
