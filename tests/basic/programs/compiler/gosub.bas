' GOSUB and RETURN
GOSUB 100: PRINT "B": END
100 PRINT "A": RETURN
' expect: A
' expect: B
