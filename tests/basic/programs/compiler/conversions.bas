' A number stored into an INTEGER or LONG, or used where a whole number
' belongs, is rounded to the nearest, ties to even.
' ties to even
A% = 2.5: B% = 3.5: C% = -2.5: PRINT A%; B%; C% ' expect:  2  4 -2
' the edges of 16 and 32 bits
A% = 32767.4: B% = -32768: C& = 2147483647.4#: D& = -2147483648#: PRINT A%; B%; C&; D& ' expect:  32767 -32768  2147483647 -2147483648
' \ and MOD round their operands to LONG
PRINT 2147483647.4# \ 1; 2.5 \ 1; 3.5 \ 1; -7.5 MOD 4 ' expect:  2147483647  2  4  0
' CHR$ rounds its code
PRINT CHR$(65.5); CHR$(66.5) ' expect: BB
' INT floors, keeping its argument's type
PRINT INT(-2.5); INT(2.5); INT(1E10); INT(-1.5#) ' expect: -3  2  1E+10 -2
' subscripts round
DIM A(3): A(2.5) = 7: PRINT A(2) ' expect:  7
' 3.5 stored into % rounds to 4
A% = 7: A% = A% / 2: PRINT A% ' expect:  4
' a single holds 24 bits: 16777217 is a double literal, stored it loses its 1
A = 16777217: A# = 16777217: PRINT A; A# ' expect:  1.677722E+07  16777217
