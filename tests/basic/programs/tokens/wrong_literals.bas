' Literals found wrong before the run.
' % past 16 bits
A = 32769% ' expect error 5: number too large for % (-32768 to 32767)
' rounding past the range
A = 32768.6% ' expect error 5: number too large for % (-32768 to 32767)
' & past 32 bits
A = 2147483649& ' expect error 5: number too large for & (-2147483648 to 2147483647)
' a suffix after a literal past the doubles
A = 1E400# ' expect error 5: number too large
' octal past 32 bits
A = &O40000000000 ' expect error 5: octal number larger than &O37777777777
' no octal digit after &O
A = &O9 ' expect error 5: &O without octal digits
' & alone before a non-octal digit
A = &9 ' expect error 5: unexpected character '&'
' a suffix is no line
10 A = 1
GOTO 10% ' expect error 6: expected a line number or label, found a number
