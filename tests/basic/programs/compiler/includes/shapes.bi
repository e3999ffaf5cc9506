' Declarations shared by the programs that include this file.
TYPE Spot
  x AS INTEGER
  y AS INTEGER
END TYPE
CONST Sides = 4
DECLARE FUNCTION Twice% (n AS INTEGER)
'$INCLUDE: 'includes/colours.bi'
