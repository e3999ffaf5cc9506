' Fields three records deep, as variables wherever a variable may stand:
' LET, expressions, INPUT, READ, SWAP and FOR's limits.
TYPE Coord
  x AS INTEGER
  y AS LONG
END TYPE
TYPE Box
  corner AS Coord
  label AS STRING * 5
END TYPE
TYPE Scene
  box AS Box
  scale AS DOUBLE
  name AS STRING * 8
END TYPE
DIM s AS Scene
' Each leaf of a record has its own kind: INTEGER rounds, ties to even.
s.box.corner.x = 2.5
s.box.corner.y = 70000.6
s.scale = 1 / 3
PRINT s.box.corner.x; s.box.corner.y; s.scale
' expect:  2  70001  .3333333333333333
' A field in an expression with other variables and itself.
s.box.corner.x = s.box.corner.x * 10 + s.box.corner.y MOD 7
PRINT s.box.corner.x
' expect:  21
' Keywords are field names after the period (NAME is reserved elsewhere).
s.name = "scene"
PRINT "["; s.name; "]"
' expect: [scene   ]
' INPUT and READ store into fields, through the fixed length.
INPUT s.box.label, s.box.corner.y
' input: abcdefgh, 12
' expect: ? abcdefgh, 12
PRINT "["; s.box.label; "]"; s.box.corner.y
' expect: [abcde] 12
READ s.box.corner.x, s.name
DATA 7, "read into a field"
PRINT s.box.corner.x; "["; s.name; "]"
' expect:  7 [read int]
' SWAP of two fields of one type, in two records.
DIM t AS Coord
t.y = 10
SWAP s.box.corner.y, t.y
PRINT s.box.corner.y; t.y
' expect:  10  12
' A field as FOR's limit.
FOR i = 1 TO s.box.corner.y STEP 3: PRINT i;: NEXT: PRINT
' expect:  1  4  7  10
' An INTEGER field keeps the INTEGER range.
s.box.corner.x = 40000 ' expect runtime error: Overflow (error 6)
