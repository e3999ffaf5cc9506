' CIRCLE: an angle past 2 * PI
SCREEN 1: CIRCLE (1, 1), 5, 1, 7 ' expect runtime error: Illegal function call (error 5): CIRCLE's angles lie between -2 * PI and 2 * PI
