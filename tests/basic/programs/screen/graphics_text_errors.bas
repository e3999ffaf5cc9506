' Text in a graphics mode keeps to the mode's grid.
ON ERROR GOTO Trap
SCREEN 13
' SCREEN 13 has 40 columns
LOCATE 1, 41
' expect:  5 LOCATE 1, 41 in SCREEN 13
' and 25 rows
LOCATE 26, 1
' expect:  5 LOCATE 26 in SCREEN 13
' WIDTH cannot change its grid
WIDTH 80
' expect:  5 WIDTH 80 in SCREEN 13
' its own width is no change
WIDTH 40, 25: PRINT "same"
' expect: same
' SCREEN 12's 30 rows, VIEW PRINT there
SCREEN 12: VIEW PRINT 1 TO 31
' expect:  5 VIEW PRINT 1 TO 31 in SCREEN 12
' SCREEN() past the grid
SCREEN 12: PRINT SCREEN(31, 1)
' expect:  5 SCREEN(31, 1) in SCREEN 12
END
Trap:
  READ W$: PRINT ERR; W$: RESUME NEXT
DATA "LOCATE 1, 41 in SCREEN 13", "LOCATE 26 in SCREEN 13", "WIDTH 80 in SCREEN 13"
DATA "VIEW PRINT 1 TO 31 in SCREEN 12", "SCREEN(31, 1) in SCREEN 12"
