' The VGA's colour registers: OUT &H3C8, n then red, green and blue (0 to
' 63 each) to &H3C9 set colour n; OUT &H3C7, n then three INP(&H3C9) read
' it. A mode's colours read as their top 6 bits, the inverse of PALETTE's
' widening of 0-63 to 0-255.
SCREEN 13
' the default colour 4, dark red, as the registers hold it
OUT &H3C7, 4: PRINT INP(&H3C9); INP(&H3C9); INP(&H3C9)
' expect:  42  0  0
' a colour written reads back; the index steps on to the next colour
OUT &H3C8, 1: OUT &H3C9, 63: OUT &H3C9, 0: OUT &H3C9, 32
OUT &H3C9, 1: OUT &H3C9, 2: OUT &H3C9, 3
OUT &H3C7, 1
FOR I = 1 TO 6: PRINT INP(&H3C9);: NEXT: PRINT
' expect:  63  0  32  1  2  3
' only a component's 6 bits count, as the DAC's
OUT &H3C8, 5: OUT &H3C9, 255: OUT &H3C9, 64: OUT &H3C9, 65
OUT &H3C7, 5: PRINT INP(&H3C9); INP(&H3C9); INP(&H3C9)
' expect:  63  0  1
' the same as PALETTE: colour 3 made dark red like 4, POINT still tells
' them apart
OUT &H3C8, 3: OUT &H3C9, 42: OUT &H3C9, 0: OUT &H3C9, 0
PSET (1, 1), 4: PSET (2, 1), 3: PRINT POINT(1, 1); POINT(2, 1)
' expect:  4  3
' PALETTE's colours read back through the registers
PALETTE 9, 65536 * 10 + 256 * 20 + 30
OUT &H3C7, 9: PRINT INP(&H3C9); INP(&H3C9); INP(&H3C9)
' expect:  30  20  10
' the write index reads back at &H3C8
OUT &H3C8, 200: PRINT INP(&H3C8)
' expect:  200
