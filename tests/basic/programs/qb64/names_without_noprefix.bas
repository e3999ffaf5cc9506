' Without $NOPREFIX the words without their underscore are the program's
' own names, as they were in QBasic.
LIMIT = 5: PI = 3.5: TITLE$ = "x": DELAY = 2
PRINT LIMIT + PI; TITLE$; DELAY
' expect:  8.5 x 2
SMOOTH 4
' expect: SMOOTH 4
PRINT "back"
' expect: back
END
SUB SMOOTH (N)
  PRINT "SMOOTH"; N
END SUB
