' The PC's text screen refuses what it has no room for.
ON ERROR GOTO Trap
SCREEN 0
' a row past the screen
LOCATE 26, 1
' expect:  5 LOCATE 26
' a column past it
LOCATE 1, 81
' expect:  5 LOCATE 1, 81
' row 0
LOCATE 0, 1
' expect:  5 LOCATE 0
' the cursor is 0 or 1
LOCATE 1, 1, 2
' expect:  5 cursor 2
' 40 columns end at 40
WIDTH 40: LOCATE 1, 41
' expect:  5 LOCATE 1, 41 in 40 columns
' WIDTH has 40 and 80 columns, 25, 43 and 50 rows
WIDTH 60
' expect:  5 WIDTH 60
WIDTH 80, 30
' expect:  5 WIDTH 80, 30
' SCREEN() reads the screen's cells only
PRINT SCREEN(0, 1)
' expect:  5 SCREEN(0, 1)
' VIEW PRINT's rows in order on the screen
VIEW PRINT 5 TO 3
' expect:  5 VIEW PRINT 5 TO 3
VIEW PRINT 1 TO 26
' expect:  5 VIEW PRINT 1 TO 26
' COLOR's foreground 0 to 31, background 0 to 15
COLOR 32
' expect:  5 COLOR 32
COLOR 1, 16
' expect:  5 COLOR 1, 16
END
Trap:
  READ W$: PRINT ERR; W$: RESUME NEXT
DATA "LOCATE 26", "LOCATE 1, 81", "LOCATE 0", "cursor 2", "LOCATE 1, 41 in 40 columns", "WIDTH 60", "WIDTH 80, 30"
DATA "SCREEN(0, 1)", "VIEW PRINT 5 TO 3", "VIEW PRINT 1 TO 26", "COLOR 32", "COLOR 1, 16"
