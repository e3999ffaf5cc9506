' COMMON SHARED in a program of one module: the names are shared with every
' procedure, and their types declared, as DIM SHARED would
TYPE Pair
  a AS INTEGER
  b AS INTEGER
END TYPE
COMMON SHARED Count AS INTEGER, Names$(), Last AS Pair
COMMON /Totals/ Sum# ' a named block: declares, shares nothing
SUB Show
  PRINT Count; Names$(1); Sum# ' expect:  3 one 0
  Count = Count + 1: Last.a = 7
END SUB
DIM Names$(3)
Count = 2.6: Names$(1) = "one": Sum# = 1
Show
PRINT Count; Last.a ' expect:  4  7
PRINT Sum# ' expect:  1
