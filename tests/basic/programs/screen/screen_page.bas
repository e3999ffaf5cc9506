' SCREEN: pages other than 0
SCREEN 9, , 1 ' expect runtime error: Illegal function call (error 5): SCREEN has one page only: its pages must be 0
