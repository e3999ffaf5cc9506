' Type suffixes, D exponents and octal literals.
' type suffixes keep the value
PRINT 2#; 1.5!; 7%; 70000&; 1E3# ' expect:  2  1.5  7  70000  1000
' % and & round ties to even
PRINT 2.5%; 3.5%; -32768%; 2147483646.6& ' expect:  2  4 -32768  2147483647
' D is a double's exponent letter; more than 7 digits make a double too
PRINT 1D3; 2.5d-1; 1D+2#; 0.1D0; 3.14159265 ' expect:  1000  .25  100  .1  3.14159265
' octal, and & after a hexadecimal number
PRINT &O17; &17; &o0; &O37777777777; &HFFFF& ' expect:  15  15  0 -1  65535
