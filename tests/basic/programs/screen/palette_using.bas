' PALETTE USING sets every attribute from consecutive elements of an array;
' -1 leaves an attribute as it is.
SCREEN 13: DIM P&(300)
FOR I = 0 TO 255: P&(I) = -1: NEXT
P&(4) = 63: P&(5) = 63 * 256
PALETTE USING P&(0)
OUT &H3C7, 4: PRINT INP(&H3C9); INP(&H3C9); INP(&H3C9)
' expect:  63  0  0
OUT &H3C7, 5: PRINT INP(&H3C9); INP(&H3C9); INP(&H3C9)
' expect:  0  63  0
' attribute 1 kept the mode's own blue
OUT &H3C7, 1: PRINT INP(&H3C9); INP(&H3C9); INP(&H3C9)
' expect:  0  0  42
' from another element: attribute n from element 10 + n
P&(10) = 21: PALETTE USING P&(10): OUT &H3C7, 0: PRINT INP(&H3C9)
' expect:  21
' a bad colour changes nothing, and too few elements from there
ON ERROR GOTO Caught
P&(0) = 64 * 65536 * 4: PALETTE USING P&(0)
OUT &H3C7, 4: PRINT INP(&H3C9)
' expect:  5
' expect:  63
PALETTE USING P&(100)
PRINT "done"
' expect:  5
' expect: done
END
Caught: PRINT ERR: RESUME NEXT
