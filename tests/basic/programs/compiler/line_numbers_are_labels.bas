' line numbers are labels, in any order
10 GOTO 5
30 PRINT "C": END
5 PRINT "A": GOTO 30
' expect: A
' expect: C
