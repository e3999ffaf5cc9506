' The PC's text screen has no pixels: the figures and POINT are errors
' there, as in QBasic (the runtime's own screen, without SCREEN, draws)
ON ERROR GOTO Caught
SCREEN 0
LINE (0, 0)-(10, 10)
CIRCLE (5, 5), 3
PSET (1, 1)
PRESET (1, 1)
PAINT (1, 1), 2
PAINT (1, 1), CHR$(255)
DRAW "R10"
X = POINT(1, 1)
PRINT "done"
END
Caught: PRINT ERR; : RESUME NEXT
' expect:  5  5  5  5  5  5  5  5 done
