CONST Red = 4, Green = 2
