' The scene of balls.exe, in BASIC: a white wall, a blue floor, and 500
' shaded balls at random places, each a flattened shadow on the floor and
' four stacked filled circles (black rim, blue body, cyan shading, white
' highlight). It draws the very same picture as the compiled program:
' the shadow's flattening is written .2#, a DOUBLE, as the compiled
' program's is (.2 alone would be a SINGLE, a float a little above 0.2).
CLS 3
LINE (0, 0)-(639, 399), 7, BF
LINE (0, 280)-(639, 399), 1, BF
FOR I = 1 TO 500
  X = INT(RND * 600) + 20
  Y = INT(RND * 220) + 40
  R% = INT(RND * 30) + 20
  CIRCLE (X - 2, Y / 5 + 300), R%, 0, , , .2#, F
  CIRCLE (X - 2, Y - 8), R%, 0, , , , F
  CIRCLE (X - 5, Y - 10), R% - 3, 1, , , , F
  CIRCLE (X - 10, Y - 12), R% - 7, 5, , , , F
  CIRCLE (X - 15, Y - 16), R% - 19, 7, , , , F
NEXT
END
