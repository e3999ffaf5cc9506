' ON ... GOTO at the edges of its range and in a one-line IF.
' 255 is still allowed
ON 255 GOTO 10: PRINT "past"
10 PRINT "ten"
' expect: past
' expect: ten
' in a one-line IF
IF 1 THEN ON 1 GOTO 20: PRINT "no"
20 PRINT "yes"
' expect: yes
