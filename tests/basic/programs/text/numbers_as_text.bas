' Numbers as PRINT, STR$ and VAL write and read them.
' singles with 7 digits at most, no 0 before the point, E for exponents
PRINT 0.1; 1E20; 1E21; 1.5E-7; 1234567; 12345678!; -.25 ' expect:  .1  1E+20  1E+21  1.5E-07  1234567  1.234568E+07 -.25
' doubles with 16, and D for exponents
PRINT 123456789012; 1# / 3; 1D-20; 2# ^ 60 ' expect:  123456789012  .3333333333333333  1D-20  1.152921504606847D+18
' STR$ has the leading space only, and writes the type as PRINT does
PRINT STR$(3) + "|" + STR$(-1.5) + "|" + STR$(1 / 3) + "|" + STR$(1# / 3) ' expect:  3|-1.5| .3333333| .3333333333333333
' VAL takes what parses, blanks inside included
PRINT VAL("12AB"); VAL(""); VAL("  -1.5E2x"); VAL("+7"); VAL("E5"); VAL("1 2 3") ' expect:  12  0 -150  7  0  123
' VAL reads &H and &O, and too small is 0
PRINT VAL("&HFF"); VAL("&O17"); VAL("&HFFFF"); VAL("1E-999") ' expect:  255  15 -1  0
' literals: &H up to 16 bits is an INTEGER, up to 32 a LONG, both signed
PRINT &HFF; &H7FFFFFFF; &HFFFFFFFF; &H8000; &H10000; .5 ' expect:  255  2147483647 -1 -32768  65536  .5
' too large for any number
PRINT VAL("1E999") ' expect runtime error: Overflow (error 6): VAL's number is beyond the range of numbers
