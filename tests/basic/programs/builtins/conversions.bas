' FIX, CINT, CLNG, CSNG and CDBL.
' toward zero, never -0, keeping the argument's type
PRINT FIX(2.7); FIX(-2.7); FIX(-0.5); FIX(1099511627776.5#) ' expect:  2 -2  0  1099511627776
' what a % variable holds: ties to even, 16 bits
PRINT CINT(2.5); CINT(3.5); CINT(-2.5); CINT(32767.4); CINT(-32768.5) ' expect:  2  4 -2  32767 -32768
' what a & variable holds: 32 bits
PRINT CLNG(2.5); CLNG(-3.5); CLNG(2147483647.4#); CLNG(-2147483648.5#) ' expect:  2 -4  2147483647 -2147483648
' a single literal is a float; arithmetic keeps more bits until a value is stored
PRINT CSNG(0.1#); CDBL(.1); CDBL(1 / 3); CSNG(16777217#) ' expect:  .1  .1000000014901161  .3333333333333333  1.677722E+07
