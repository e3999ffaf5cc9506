TYPE Vec
  x AS INTEGER
  y AS DOUBLE
END TYPE
TYPE Item
  name AS STRING * 10
  pos AS Vec
  count AS LONG
END TYPE
DIM SHARED items(1 TO 5, 2) AS Item
DIM one AS Item, code AS STRING * 4
one.name = "lamp": one.pos.x = 3: code = "abcdef"
items(2, 1) = one
items(3, 0).pos = items(2, 1).pos
PRINT LEN(one); LEN(one.pos); LEN(code); items(2, 1).name; items(3, 0).pos.x
SWAP one.pos.x, items(1, 1).pos.x
Move items(2, 1), 5
Show one.name
REDIM items(0 TO 1, 1) AS Item
ERASE items
SUB Move (p AS Item, d)
  p.pos.x = p.pos.x + d
END SUB
SUB Show (s AS STRING)
  DIM mine AS STRING * 2
  mine = s: PRINT mine
END SUB
