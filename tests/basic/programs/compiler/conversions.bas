' Converting a number to an integer rounds to nearest, ties to even, into
' 32 bits.
' ties to even
A% = 2.5: B% = 3.5: C% = -2.5: PRINT A%; B%; C% ' expect:  2  4 -2
' % keeps 16 bits
A% = 32768: B% = 65537: C% = -32769: PRINT A%; B%; C% ' expect: -32768  1  32767
' out of range and NaN give -2147483648
PRINT 1E10 \ 1; (0/0) \ 1; -2147483648.6 \ 1 ' expect: -2147483648 -2147483648 -2147483648
' the edge of the range
PRINT 2147483647.4 \ 1; 2.5 \ 1; 3.5 \ 1 ' expect:  2147483647  2  4
' CHR$ rounds its code
PRINT CHR$(65.5); CHR$(66.5) ' expect: BB
' INT floors, through the runtime
PRINT INT(-2.5); INT(2.5); INT(1E10) ' expect: -3  2 -2147483648
' subscripts round
DIM A(3): A(2.5) = 7: PRINT A(2) ' expect:  7
' 3.5 stored into % rounds to 4
A% = 7: A% = A% / 2: PRINT A% ' expect:  4
' no overflow in \
PRINT -2147483648 \ -1; -2147483648 MOD -1 ' expect:  2147483648  0
