' Screen statements found wrong before the run.
' COLOR needs something
COLOR
' expect error 3:6: expected a colour, found end of line
' both or neither
PALETTE 1
' expect error 6:10: expected ',' and the colour, found end of line
' a point in parentheses
PAINT 1, 2 ' expect error 7: expected '(', found a number
' two points
WINDOW (1, 2)
' expect error 11:14: expected '-' before the second point, found end of line
' POINT takes x and y, or one number
X = POINT(1, 2, 3) ' expect error 15: expected ')', found ','
' VIEW PRINT needs both rows
VIEW PRINT 1 TO ' expect error 17: expected an expression, found a comment
' SCREEN needs its mode
SCREEN
' expect error 18:7: expected a screen mode, found end of line
