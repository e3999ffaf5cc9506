' Records and fields passed to SUB and FUNCTION by reference: what the
' procedure changes, the caller sees.
TYPE Spot
  x AS INTEGER
  y AS INTEGER
END TYPE
TYPE Player
  pos AS Spot
  name AS STRING * 6
  score AS LONG
END TYPE
DIM hero AS Player
DIM last AS Spot
DIM team(1 TO 3) AS Player
hero.name = "Ann"
' A whole record variable.
MoveBy hero, 3, 4
MoveBy hero, 1, 1
PRINT hero.pos.x; hero.pos.y
' expect:  4  5
' An element of an array of records, and a nested record.
team(2).pos.x = 10
MoveBy team(2), 5, 0
CALL Nudge(team(2).pos)
PRINT team(2).pos.x; team(2).pos.y
' expect:  16  1
' A FUNCTION reads a record parameter and writes it.
PRINT Total(hero); hero.score
' expect:  9  9
' A field passed to a STRING parameter: the value comes back fitted to
' the field's length.
Rename hero.name
PRINT "["; hero.name; "]"
' expect: [Robert]
' A numeric field passed by reference.
Twice team(2).score
Twice team(2).score
PRINT team(2).score
' expect:  3
' A field in parentheses is a value: nothing comes back.
Twice (hero.score)
PRINT hero.score
' expect:  9
' A record parameter passed on to another procedure, and a record shared
' by SHARED in the procedure.
Relay hero
PRINT hero.pos.x; hero.pos.y; last.x
' expect:  5  6  5
' A procedure's own record is its own, and cleared at each call.
Local
Local
' expect:  1
' expect:  1
SUB MoveBy (p AS Player, dx, dy)
  p.pos.x = p.pos.x + dx
  p.pos.y = p.pos.y + dy
END SUB
SUB Nudge (pt AS Spot)
  pt.x = pt.x + 1
  pt.y = pt.y + 1
END SUB
FUNCTION Total (p AS Player)
  p.score = p.pos.x + p.pos.y
  Total = p.score
END FUNCTION
SUB Rename (n AS STRING)
  n = "Robert the Bruce"
END SUB
SUB Twice (v AS LONG)
  v = v * 2 + 1
END SUB
SUB Relay (q AS Player)
  SHARED last AS Spot
  Nudge q.pos
  last = q.pos
END SUB
SUB Local
  DIM mine AS Spot
  mine.x = mine.x + 1
  PRINT mine.x
END SUB
