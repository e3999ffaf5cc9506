' Arrays of records: bounds, fields of elements, whole elements, REDIM,
' ERASE, LBOUND and UBOUND, and two subscripts.
TYPE Vec
  x AS SINGLE
  y AS SINGLE
END TYPE
TYPE Ship
  pos AS Vec
  id AS INTEGER
  tag AS STRING * 3
END TYPE
DIM SHARED fleet(1 TO 5) AS Ship
PRINT LBOUND(fleet); UBOUND(fleet)
' expect:  1  5
FOR i = 1 TO 5
  fleet(i).id = i * 100
  fleet(i).pos.x = i / 2
  fleet(i).tag = CHR$(64 + i)
NEXT
PRINT fleet(3).id; fleet(3).pos.x; "["; fleet(5).tag; "]"
' expect:  300  1.5 [E  ]
' A subscript expression with a field in it.
PRINT fleet(fleet(1).id / 50).id
' expect:  200
' A SUB sees the shared array.
Report
' expect:  100  500
' The grid: two subscripts with lower bounds of their own.
DIM grid(-1 TO 1, 2 TO 3) AS Vec
grid(-1, 3).y = 4.25
grid(1, 2) = grid(-1, 3)
PRINT grid(1, 2).y; grid(0, 2).y; UBOUND(grid, 2)
' expect:  4.25  0  3
' REDIM makes every field's array anew, emptied.
REDIM fleet(0 TO 2) AS Ship
PRINT fleet(0).id; fleet(2).pos.x; LEN(fleet(1).tag)
' expect:  0  0  3
' ERASE unmakes the fields' arrays, whose use then finds them automatic.
ERASE grid
PRINT grid(1, 2).y
' expect:  0
' Out of the bounds, as for other arrays.
PRINT fleet(3).id ' expect runtime error: Subscript out of range (error 9)
SUB Report
  PRINT fleet(1).id; fleet(UBOUND(fleet)).id
END SUB
