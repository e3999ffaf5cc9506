10 ' The Mandelbrot set in the VGA's 256 colours, one dot at a time, as the
20 ' graphics demos of the 1980s drew it, in a white frame; each dot's colour
30 ' counts the steps its point took to escape, the set itself is black.
40 SCREEN 13
50 MAXIT = 48
60 FOR Y = 0 TO 199
70   CI = (Y - 100) / 80
80   FOR X = 0 TO 319
90     CR = (X - 220) / 100: ZR = 0: ZI = 0: I = 0
100    WHILE I < MAXIT AND ZR * ZR + ZI * ZI < 4
110      T = ZR * ZR - ZI * ZI + CR: ZI = 2 * ZR * ZI + CI: ZR = T: I = I + 1
120    WEND
130    IF I = MAXIT THEN PSET (X, Y), 0 ELSE PSET (X, Y), 32 + (I * 5) MOD 72
140  NEXT
150 NEXT
160 LINE (0, 0)-(319, 199), 15, B
170 COLOR 14
180 PRINT "Mandelbrot set, SCREEN 13"
190 IF POINT(2, 2) < 0 THEN PRINT "POINT sees nothing"
200 END
