' FIX, CINT, CLNG, CSNG and CDBL.
' toward zero, never -0, past 32 bits
PRINT FIX(2.7); FIX(-2.7); FIX(-0.5); FIX(1099511627776.5) ' expect:  2 -2  0  1099511627776
' what a % variable holds: ties to even, 16 bits
PRINT CINT(2.5); CINT(3.5); CINT(-2.5); CINT(32767.6); CINT(40000) ' expect:  2  4 -2 -32768 -25536
' 32 bits, out of range as every conversion
PRINT CLNG(2.5); CLNG(-3.5); CLNG(2147483647.4); CLNG(3E9) ' expect:  2 -4  2147483647 -2147483648
' every number is a double
PRINT CSNG(0.1); CDBL(1 / 3) ' expect:  0.1  0.3333333333333333
