' LINE's style in the classic modes: a 16-bit mask, its top bit at the
' first point; 1 bits are drawn, 0 bits leave their pixels as they were.
SCREEN 13
' four drawn, four left, and the mask again from its top after 16
LINE (0, 0)-(17, 0), 4, , &HF0F0
FOR x = 0 TO 17: PRINT POINT(x, 0);: NEXT: PRINT
' expect:  4  4  4  4  0  0  0  0  4  4  4  4  0  0  0  0  4  4
' the pattern starts at the first point, here the right end
LINE (17, 2)-(0, 2), 4, , &HC000
FOR x = 0 TO 17: PRINT POINT(x, 2);: NEXT: PRINT
' expect:  4  4  0  0  0  0  0  0  0  0  0  0  0  0  0  0  4  4
' a 0 bit leaves what was there
PSET (5, 4), 9: LINE (0, 4)-(7, 4), 4, , &HF000
FOR x = 0 TO 7: PRINT POINT(x, 4);: NEXT: PRINT
' expect:  4  4  4  4  0  9  0  0
' a negative style is the INTEGER of the same bits: -256 is &HFF00
LINE (0, 6)-(9, 6), 4, , -256
FOR x = 6 TO 9: PRINT POINT(x, 6);: NEXT: PRINT
' expect:  4  4  0  0
' B: each side from the first corner's end, each from the mask's top
LINE (20, 20)-(23, 22), 5, B, &HA000
FOR y = 20 TO 22: FOR x = 20 TO 23: PRINT POINT(x, y);: NEXT: PRINT: NEXT
' expect:  5  0  5  5
' expect:  0  0  0  0
' expect:  5  0  5  5
' BF ignores the style
LINE (30, 30)-(31, 31), 6, BF, 0
PRINT POINT(30, 30); POINT(31, 31) ' expect:  6  6
' cut by VIEW, the line keeps the pattern it has from its first point
VIEW SCREEN (5, 40)-(20, 40): LINE (0, 40)-(20, 40), 4, , &HF0F0: VIEW
FOR x = 4 TO 12: PRINT POINT(x, 40);: NEXT: PRINT
' expect:  0  0  0  0  4  4  4  4  0
ON ERROR GOTO Failed
LINE (0, 50)-(5, 50), 4, , 65536 ' expect: error 5
END
Failed:
PRINT "error"; ERR
RESUME NEXT
