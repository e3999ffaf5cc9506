' Numbers as PRINT, STR$ and VAL write and read them.
' shortest round trip
PRINT 0.1; 1E20; 1E21; 1.5E-7; 123456789012 ' expect:  0.1  1E+20  1E+21  1.5E-07  123456789012
' STR$ has the leading space only
PRINT STR$(3) + "|" + STR$(-1.5) ' expect:  3|-1.5
' VAL takes what parses
PRINT VAL("12AB"); VAL(""); VAL("  -1.5E2x"); VAL("+7"); VAL("E5") ' expect:  12  0 -150  7  0
' too large and too small
PRINT VAL("1E999"); VAL("1E-999") ' expect:  inf  0
' literals
PRINT &HFF; &H7FFFFFFF; &HFFFFFFFF; .5 ' expect:  255  2147483647  4294967295  0.5
