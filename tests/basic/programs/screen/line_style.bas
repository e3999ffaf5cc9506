' LINE's style in the classic modes: a 16-bit mask, its top bit at the
' first point; 1 bits are drawn, 0 bits leave their pixels as they were.
' The lines lie below the rows PRINT writes in.
SCREEN 13
' four drawn, four left, and the mask again from its top after 16
LINE (0, 120)-(17, 120), 4, , &HF0F0
FOR x = 0 TO 17: PRINT POINT(x, 120);: NEXT: PRINT
' (13 numbers fill the 40 columns; the 14th starts the next row)
' expect:  4  4  4  4  0  0  0  0  4  4  4  4  0
' expect:  0  0  0  4  4
' the pattern starts at the first point, here the right end
LINE (17, 122)-(0, 122), 4, , &HC000
FOR x = 0 TO 17: PRINT POINT(x, 122);: NEXT: PRINT
' expect:  4  4  0  0  0  0  0  0  0  0  0  0  0
' expect:  0  0  0  4  4
' a 0 bit leaves what was there
PSET (5, 124), 9: LINE (0, 124)-(7, 124), 4, , &HF000
FOR x = 0 TO 7: PRINT POINT(x, 124);: NEXT: PRINT
' expect:  4  4  4  4  0  9  0  0
' a negative style is the INTEGER of the same bits: -256 is &HFF00
LINE (0, 126)-(9, 126), 4, , -256
FOR x = 6 TO 9: PRINT POINT(x, 126);: NEXT: PRINT
' expect:  4  4  0  0
' B: each side from the first corner's end, each from the mask's top
LINE (20, 140)-(23, 142), 5, B, &HA000
FOR y = 140 TO 142: FOR x = 20 TO 23: PRINT POINT(x, y);: NEXT: PRINT: NEXT
' expect:  5  0  5  5
' expect:  0  0  0  0
' expect:  5  0  5  5
' BF ignores the style
LINE (30, 150)-(31, 151), 6, BF, 0
PRINT POINT(30, 150); POINT(31, 151) ' expect:  6  6
' cut by VIEW, the line keeps the pattern it has from its first point
VIEW SCREEN (5, 160)-(20, 160): LINE (0, 160)-(20, 160), 4, , &HF0F0: VIEW
FOR x = 4 TO 12: PRINT POINT(x, 160);: NEXT: PRINT
' expect:  0  0  0  0  4  4  4  4  0
ON ERROR GOTO Failed
LINE (0, 170)-(5, 170), 4, , 65536 ' expect: error 5
END
Failed:
PRINT "error"; ERR
RESUME NEXT
