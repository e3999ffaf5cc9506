' TAB and SPC move along the printed line.
' column 5 counted from 1
PRINT TAB(5); "X" ' expect:     X
' already at the column: nothing
PRINT "AB"; TAB(3); "X" ' expect: ABX
' past the column: to it on the next line
PRINT "ABC"; TAB(3); "X"
' expect: ABC
' expect:   X
' below 1 acts as 1, so Y is past it
PRINT TAB(0); "X"; TAB(-5); "Y"
' expect: X
' expect: Y
' after a number and its space
PRINT 1; TAB(10); 2 ' expect:  1        2
' the ';' is implied
PRINT "A" TAB(4) "B" ' expect: A  B
' at the end it keeps the line open
PRINT "A"; TAB(4): PRINT "B" ' expect: A  B
' a line end starts the count again
PRINT "x": PRINT TAB(2); "y"
' expect: x
' expect:  y
' n spaces; below 0 as 0
PRINT SPC(3); "X"; SPC(-2); "Y"; SPC(0); "Z" ' expect:    XYZ
