' ON n GOTO takes labels, and GO TO
X = 1: ON X GO TO a, b
a: PRINT "A": END
b: PRINT "B"
' expect: A
