' DRAW reads VARPTR$'s bytes back as the variable they name: a string's
' commands after X, a number after =, whatever the variables are called.
SCREEN 13
SIDE$ = "R10 D10"
DOWN% = 5
WIDE& = 20
DRAW "BM 100,100 C4 X" + VARPTR$(SIDE$) + " D=" + VARPTR$(DOWN%) + "; C2 L=" + VARPTR$(WIDE&)
PRINT POINT(110, 100); POINT(110, 112); POINT(110, 116); POINT(90, 115)
' expect:  4  4  0  2
PRINT LEN(VARPTR$(SIDE$)); VARPTR$(SIDE$) = VARPTR$(SIDE$); VARPTR$(DOWN%) = VARPTR$(WIDE&)
' expect:  3 -1  0
DRAW "X" + VARPTR$(DOWN%) ' expect runtime error: Illegal function call (error 5): DRAW's X needs a string variable, as in XA$; (character 1)
