' PALETTE on the runtime's own screen
PALETTE 1, 2 ' expect runtime error: Illegal function call (error 5): PALETTE works only in the classic screen modes (SCREEN 1 to 13)
