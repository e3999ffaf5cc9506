' '$INCLUDE: reads the named file from the program's folder; its lines
' stand after the metacommand, and the files it includes after their own.
'$INCLUDE: 'includes/shapes.bi'
DIM p AS Spot
p.x = Sides: p.y = Twice%(Red + Green)
PRINT p.x; p.y
' expect:  4  12
' After REM too, and after a statement, with spaces around the colon.
a = 1: REM $INCLUDE : 'includes/greeting.bi'
' expect: hello from an include
' Not a metacommand: a comment that merely mentions one.
' see $INCLUDE: 'includes/greeting.bi'

FUNCTION Twice% (n AS INTEGER)
  Twice% = 2 * n
END FUNCTION
