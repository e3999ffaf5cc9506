' The one-line IF: THEN and ELSE take statements or line numbers.
' one-line IF
IF 1 THEN PRINT "A" ELSE PRINT "B" ' expect: A
' ELSE takes the rest of the line
IF 0 THEN PRINT "A" ELSE PRINT "B": PRINT "C"
' expect: B
' expect: C
' THEN takes the rest of the line
IF 0 THEN PRINT "A": PRINT "B"
PRINT "C"
' expect: C
' ELSE belongs to the nearest IF
IF 1 THEN IF 0 THEN PRINT "A" ELSE PRINT "B" ' expect: B
' THEN line-number
IF 1 THEN 110
PRINT "skipped"
110 PRINT "B"
' expect: B
' ELSE line-number
IF 0 THEN 120 ELSE 130
120 PRINT "A"
130 PRINT "B"
' expect: B
' IF GOTO
IF 1 GOTO 140
PRINT "skipped"
140 PRINT "B"
' expect: B
