10 REM CATCH: stars fall; move the basket under them with the arrow keys
20 REM (or J and L). Q quits. Ten stars make a game.
30 KEY OFF: CLS
40 LF$ = CHR$(0) + CHR$(75): RT$ = CHR$(0) + CHR$(77)
50 W = 40: H = 20: X = 20: CAUGHT = 0
60 LOCATE 1, 1: PRINT "CATCH THE STARS  (<- -> or J L, Q quits)"
70 FOR S = 1 TO 10
80   SX = INT(RND * (W - 4)) + 3
90   FOR Y = 3 TO H
100    LOCATE Y - 1, SX: PRINT " ";
110    LOCATE Y, SX: PRINT "*";
120    K$ = INKEY$
130    IF K$ = "q" OR K$ = "Q" THEN 230
140    IF (K$ = LF$ OR K$ = "j") AND X > 3 THEN X = X - 1
150    IF (K$ = RT$ OR K$ = "l") AND X < W - 2 THEN X = X + 1
160    LOCATE H + 1, X - 2: PRINT " [=] ";
170    SLEEP .04
180  NEXT Y
190  LOCATE H, SX: PRINT " ";
200  IF ABS(SX - X) <= 1 THEN CAUGHT = CAUGHT + 1: SOUND 880, 1 ELSE BEEP
210  LOCATE 2, 1: PRINT "CAUGHT"; CAUGHT; "OF"; S; " ";
220 NEXT S
230 LOCATE H + 3, 1: PRINT "GAME OVER: YOU CAUGHT"; CAUGHT; "STARS."
240 END
