' Arcs and pies. Angles are radians, counterclockwise from 3 o'clock; a
' negative angle closes the arc into a pie, which F fills.
CLS 3
PI = 3.141593
LINE (0, 0)-(639, 399), 7, BF
LINE (10, 10)-(310, 390), 0, B
LINE (330, 10)-(629, 390), 0, B

' A pie chart: five slices, each in its own colour, the largest pulled out.
DIM SHARE(5)
SHARE(1) = .35: SHARE(2) = .25: SHARE(3) = .2: SHARE(4) = .12: SHARE(5) = .08
A = 0
FOR K = 1 TO 5
  B = A + SHARE(K) * 2 * PI
  IF K = 1 THEN DX = 6: DY = -12 ELSE DX = 0: DY = 0
  CIRCLE (160 + DX, 200 + DY), 120, 0, -A, -B, , F, K
  A = B
NEXT

' A rainbow of half circles, and an arc squeezed into an ellipse.
FOR R = 30 TO 130 STEP 10
  CIRCLE (480, 240), R, (R / 10) MOD 7, 0, PI
NEXT
CIRCLE (480, 320), 100, 4, PI, 2 * PI, .3
LINE (430, 30)-STEP(100, 40), 2, BF
LINE -STEP(-100, -40), 0
END
