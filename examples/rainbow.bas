' Rainbow: a SCREEN 13 demo in the style of the early 1990s. The picture
' is drawn once, each pixel a colour number; all the motion is in the
' palette, turned one step at every vertical retrace through the VGA's
' colour registers (OUT &H3C8 chooses the first colour, each three OUTs
' to &H3C9 give a colour's red, green and blue, 0 to 63). It ends at a
' key, or after ten seconds.
DEFINT A-Z
CONST Colours = 252 ' numbers 1 to 252 cycle; 255 stays white for the title
DIM red(Colours), green(Colours), blue(Colours)

' The rainbow, in six runs of 42: red to yellow, to green, to cyan, to
' blue, to magenta, and back to red.
FOR i = 1 TO Colours
  f = ((i - 1) MOD 42) * 63 \ 41
  SELECT CASE (i - 1) \ 42
    CASE 0: red(i) = 63: green(i) = f: blue(i) = 0
    CASE 1: red(i) = 63 - f: green(i) = 63: blue(i) = 0
    CASE 2: red(i) = 0: green(i) = 63: blue(i) = f
    CASE 3: red(i) = 0: green(i) = 63 - f: blue(i) = 63
    CASE 4: red(i) = f: green(i) = 0: blue(i) = 63
    CASE ELSE: red(i) = 63: green(i) = 0: blue(i) = 63 - f
  END SELECT
NEXT

SCREEN 13
' Rings round the middle, half a pixel apart, each ring its own number.
FOR y = 0 TO 199
  FOR x = 0 TO 319
    dx = x - 160: dy = (y - 100) * 6 \ 5
    d! = SQR(CSNG(dx) * dx + CSNG(dy) * dy)
    PSET (x, y), 1 + INT(d! * 2) MOD Colours
  NEXT
NEXT
PALETTE 255, 63 + 256 * 63 + 65536 * 63
COLOR 255: LOCATE 1, 14: PRINT "R A I N B O W"

start! = TIMER
DO
  WAIT &H3DA, 8, 8 ' the end of a retrace,
  WAIT &H3DA, 8 '    then the start of the next
  shift = (shift + 1) MOD Colours
  OUT &H3C8, 1
  FOR i = 1 TO Colours
    j = (i + shift - 1) MOD Colours + 1
    OUT &H3C9, red(j): OUT &H3C9, green(j): OUT &H3C9, blue(j)
  NEXT
LOOP UNTIL INKEY$ <> "" OR TIMER - start! > 10
