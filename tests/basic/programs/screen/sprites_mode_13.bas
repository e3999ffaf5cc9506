' Graphics GET and PUT in SCREEN 13: a byte per pixel, the width word in
' bits (pixels * 8); each expected value is worked out by hand from the
' pixels drawn.
DIM a%(20)
SCREEN 13
PSET (10, 10), 5: PSET (11, 10), 200: PSET (12, 10), 1: PSET (10, 11), 7
GET (10, 10)-(12, 11), a%
' the sizes: 3 pixels of 8 bits, 2 rows
PRINT a%(0); a%(1) ' expect:  24  2
' row 0 is 5, 200, 1 and row 1 7, 0, 0: words of two bytes, low first;
' 4 + 3 * 2 bytes fill a%(0) to a%(4) and leave a%(5)
PRINT a%(2); a%(3); a%(4); a%(5) ' expect: -14331  1793  0  0
' PSET puts the image as it is
PUT (100, 50), a%, PSET
PRINT POINT(100, 50); POINT(101, 50); POINT(102, 50); POINT(100, 51); POINT(102, 51) ' expect:  5  200  1  7  0
' XOR over itself clears it
PUT (100, 50), a%, XOR
PRINT POINT(100, 50); POINT(101, 50); POINT(100, 51) ' expect:  0  0  0
' OR and AND combine with the colour numbers on the screen: 3 OR 5, 6 AND 5
PSET (100, 50), 3: PUT (100, 50), a%, OR: PRINT POINT(100, 50) ' expect:  7
PSET (100, 50), 6: PUT (100, 50), a%, AND: PRINT POINT(100, 50); POINT(101, 50) ' expect:  4  200
' PRESET puts the inverted colours: 255 - 200 and 255 - 5
PUT (100, 50), a%, PRESET: PRINT POINT(101, 50); POINT(100, 50) ' expect:  55  250
' XOR is the action when none is named: 1 XOR 5
PSET (200, 100), 1: PUT (200, 100), a%: PRINT POINT(200, 100); POINT(201, 100) ' expect:  4  200
' two images in one array: the second from a%(10), the first unchanged
PSET (0, 0), 9: PSET (1, 0), 10
GET (0, 0)-(1, 0), a%(10)
PRINT a%(10); a%(11); a%(12); a%(0) ' expect:  16  1  2569  24
PUT (300, 150), a%(10), PSET: PUT (300, 160), a%, PSET
PRINT POINT(300, 150); POINT(301, 150); POINT(300, 160); POINT(300, 161) ' expect:  9  10  5  7
' an image the program makes itself: 1 pixel wide, 2 high, colours 33 and 44
DIM b%(3): b%(0) = 8: b%(1) = 2: b%(2) = 33 + 44 * 256
PUT (5, 5), b%, PSET: PRINT POINT(5, 5); POINT(5, 6) ' expect:  33  44
' STEP: the first point from the last, the second from the first
PSET (20, 20), 12: PSET (30, 30)
GET STEP(-10, -10)-STEP(1, 1), b%
PRINT b%(0); b%(1); b%(2) ' expect:  16  2  12
' a LONG array holds the same bytes: the two sizes in the first element
' (the image again, below the rows PRINT has written over)
PSET (10, 110), 5: PSET (11, 110), 200: PSET (12, 110), 1: PSET (10, 111), 7
DIM l&(5): GET (10, 110)-(12, 111), l&
PRINT l&(0); l&(1) ' expect:  131096  117557253
' the first subscript changes fastest, so s%(0, 1) starts a run of s%(i, 1)
DIM s%(10, 1): GET (0, 0)-(1, 0), s%(0, 1)
PRINT s%(0, 1); s%(1, 1); s%(2, 1); s%(0, 0); s%(1, 0) ' expect:  16  1  2569  0  0
' a PUT that just fits at the corner
PUT (317, 198), a%, PSET: PRINT POINT(317, 198); POINT(317, 199) ' expect:  5  7
' through WINDOW: the corners map to pixels, in either order
WINDOW SCREEN (0, 0)-(639, 399)
GET (22, 22)-(20, 20), b%: PRINT b%(0); b%(1) ' expect:  16  2
WINDOW
' a SINGLE array holds the bytes too, 4 to an element
PSET (10, 185), 5: PSET (11, 185), 200: PSET (12, 185), 1: PSET (10, 186), 7
DIM f!(5): GET (10, 185)-(12, 186), f!: PUT (0, 190), f!, PSET
PRINT POINT(0, 190); POINT(1, 190); POINT(0, 191) ' expect:  5  200  7
