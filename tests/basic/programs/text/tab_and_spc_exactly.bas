' TAB and SPC where the spaces they write at a line's end count: the .out
' file holds them.
' after a comma's zone
PRINT "A", TAB(3); "B"
' SPC moves the column TAB counts from
PRINT "ABC"; SPC(2); TAB(4); "X"
' SPC at the end keeps the line open
PRINT "A"; SPC(2)
