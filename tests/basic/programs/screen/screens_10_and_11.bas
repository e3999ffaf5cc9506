' SCREEN 11: the VGA's 640 x 480 in two colours, PALETTE taking the DAC's
' 65536 * blue + 256 * green + red; its text 80 x 30 in 8 x 16 glyphs.
SCREEN 11
PSET (639, 479), 1: PRINT POINT(639, 479); POINT(0, 479)
' expect:  1  0
PALETTE 1, 63: PSET (5, 100): PRINT POINT(5, 100)
' expect:  1
' GET keeps one bit a pixel: 9 pixels are 2 bytes a row
DIM s%(10): GET (0, 100)-(8, 101), s%: PRINT s%(0); s%(1)
' expect:  9  2
LOCATE 30, 1: PRINT CSRLIN
' expect:  30
' SCREEN 10: the EGA's 640 x 350 on a monochrome monitor, four attributes,
' PALETTE taking its nine display values 0 to 8
SCREEN 10
PSET (639, 349), 3: PRINT POINT(639, 349)
' expect:  3
PALETTE 3, 4: PALETTE 2, 8: PSET (1, 200), 2: PRINT POINT(1, 200)
' expect:  2
' two planes: 9 pixels are 2 bytes a row in each
DIM t%(10): GET (0, 200)-(8, 200), t%: PRINT t%(0); t%(1)
' expect:  9  1
PALETTE 1, 9 ' expect runtime error: Illegal function call (error 5): PALETTE: 9 is not a colour of SCREEN 10
