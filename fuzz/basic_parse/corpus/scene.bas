CLS
LINE (0, 0)-(639, 399), 7, BF
LINE (0, 280)-(639, 399), 1, BF
FOR I = 1 TO 500
  X = INT(RND * 600) + 20: Y = INT(RND * 220) + 40: R% = INT(RND * 30) + 20
  CIRCLE (X - 2, Y / 5 + 300), R%, 0, , , 0.2, F
  CIRCLE (X - 2, Y - 8), R%, 0, , , , F
  CIRCLE (X - 5, Y - 10), R% - 3, 1, , , , F
NEXT I
END
