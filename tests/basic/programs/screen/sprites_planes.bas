' Graphics GET in the other modes: SCREEN 1 packs 2 bits a pixel, SCREEN 2
' one, SCREEN 12 keeps four planes of one bit, each row plane by plane.
' Each mode draws on rows of its own.
DIM a%(20)
SCREEN 1
PSET (0, 0), 1: PSET (1, 0), 2: PSET (2, 0), 3: PSET (4, 0), 1
GET (0, 0)-(4, 0), a%
' 5 pixels of 2 bits: 01 10 11 00 then 01 000000, 108 and 64
PRINT a%(0); a%(1); a%(2) ' expect:  10  1  16492
PUT (100, 100), a%, PSET: PRINT POINT(100, 100); POINT(101, 100); POINT(102, 100); POINT(104, 100) ' expect:  1  2  3  1
' PRESET: 3 - 1, and 3 where the image is 0
PUT (100, 100), a%, PRESET: PRINT POINT(100, 100); POINT(103, 100) ' expect:  2  3
SCREEN 2
PSET (0, 20), 1: PSET (2, 20), 1: PSET (7, 20), 1: PSET (8, 20), 1
GET (0, 20)-(8, 20), a%
' 9 pixels of 1 bit: 10100001 then 10000000, 161 and 128
PRINT a%(0); a%(1); a%(2) ' expect:  9  1 -32607
PUT (600, 150), a%, PSET: PRINT POINT(600, 150); POINT(601, 150); POINT(607, 150); POINT(608, 150) ' expect:  1  0  1  1
SCREEN 12
PSET (0, 300), 1: PSET (1, 300), 2: PSET (2, 300), 4: PSET (3, 300), 8: PSET (4, 300), 15
GET (0, 300)-(4, 301), a%
' the width in pixels (1 bit a plane), then row 0 plane by plane: blue
' 10001000, green 01001000, red 00101000, intensity 00011000; row 1 all 0
PRINT a%(0); a%(1); a%(2); a%(3); a%(4); a%(5); a%(6) ' expect:  5  2  18568  6184  0  0  0
PUT (600, 400), a%, PSET: PRINT POINT(600, 400); POINT(603, 400); POINT(604, 400) ' expect:  1  8  15
' XOR with the screen's 6: 1 XOR 6
PSET (600, 400), 6: PUT (600, 400), a%, XOR: PRINT POINT(600, 400) ' expect:  7
