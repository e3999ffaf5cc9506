' A whole TYPE on one line, fields after colons, and procedures after them
' that take their records: each procedure's parameters are its record's
' fields, the same ones wherever the TYPE's statements stand on their lines.
TYPE Spot: x AS INTEGER: y AS INTEGER: END TYPE
TYPE Named: label AS STRING * 4: at AS Spot: END TYPE
TYPE Box
  : corner AS Spot: size AS INTEGER
END TYPE
DIM p AS Named, b AS Box
p.label = "home": p.at.x = 3: p.at.y = 4
b.corner = p.at: b.size = 10
' expect: home 3  4
Show p
PRINT Sum(p.at)  ' expect:  7
PRINT Area&(b)  ' expect:  103
SUB Show (n AS Named)
  PRINT n.label; n.at.x; n.at.y
END SUB
FUNCTION Sum (q AS Spot)
  Sum = q.x + q.y
END FUNCTION
FUNCTION Area& (r AS Box)
  Area& = r.size * r.size + r.corner.x
END FUNCTION
