' Everything after THEN belongs to the one-line IF, a line number after it
' included.
' false: the rest of the line is skipped
X = 5: IF X < 1 THEN 100: PRINT "A"
PRINT "B"
100 PRINT "C"
' expect: B
' expect: C
' true: the jump is taken
X = 0: IF X < 1 THEN 110: PRINT "A"
PRINT "B"
110 PRINT "C"
' expect: C
' the GOTO form too
X = 5: IF X < 1 GOTO 120: PRINT "A"
PRINT "B"
120 PRINT "C"
' expect: B
' expect: C
' GOTO takes a label
IF 1 GOTO done: PRINT "A"
done: PRINT "D"
' expect: D
' ELSE owns the rest
IF 0 THEN 140 ELSE PRINT "X": PRINT "Y"
140 PRINT "Z"
' expect: X
' expect: Y
' expect: Z
' THEN n, then ELSE skipped
IF 1 THEN 150 ELSE PRINT "X": PRINT "Y"
150 PRINT "Z"
' expect: Z
' ELSE n: rest
IF 0 THEN 160 ELSE 165: PRINT "X"
160 PRINT "A"
165 PRINT "B"
' expect: B
' GOTO form with ELSE
IF 0 GOTO 170 ELSE PRINT "E"
170 PRINT "T"
' expect: E
' expect: T
' a colon before ELSE
IF 0 THEN 180: ELSE PRINT "E"
180 PRINT "T"
' expect: E
' expect: T
' a comment after the target
IF 1 THEN 190 ' the jump's own comment
190 PRINT "T"
' expect: T
' statements after THEN, false
IF 0 THEN PRINT 1: PRINT 2
PRINT 3
' expect:  3
' ELSE belongs to the inner IF
IF 1 THEN IF 0 THEN 200 ELSE PRINT "I": PRINT "J"
200 PRINT "K"
' expect: I
' expect: J
' expect: K
