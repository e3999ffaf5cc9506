' WINDOW: corners with one x
WINDOW (1, 1)-(1, 5) ' expect runtime error: Illegal function call (error 5): WINDOW needs two corners apart in both x and y
