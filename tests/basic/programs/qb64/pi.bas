' _PI is a DOUBLE, and _PI(m) is pi times m.
PRINT _PI
' expect:  3.141592653589793
PRINT _PI(2)
' expect:  6.283185307179586
PRINT _PI(0.5)
' expect:  1.570796326794897
' Stored in a SINGLE it is rounded as any DOUBLE is.
X = _PI: PRINT X
' expect:  3.141593
' A DOUBLE argument and an expression inside.
D# = 1 / 3: PRINT _PI(D# * 3) = _PI
' expect: -1
PRINT _PI(-1) + _PI
' expect:  0
PRINT SIN(_PI / 2)
' expect:  1
