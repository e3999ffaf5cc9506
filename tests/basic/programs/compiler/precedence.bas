' How tightly each operator binds, from ^ down to XOR.
' ^ is left-associative
PRINT 2^3^2 ' expect:  64
' ^ binds tighter than unary minus
PRINT -2^2 ' expect: -4
' an exponent may carry a sign
PRINT 2^-1; -2^-2 ' expect:  .5 -.25
' * before +
PRINT 1+2*3; (1+2)*3 ' expect:  7  9
' \ and MOD below * /, above + -
PRINT 7 \ 2 * 2; 10 - 7 MOD 4 ' expect:  1  7
' MOD takes the dividend's sign; \ truncates
PRINT -7 MOD 3; 7 MOD -3; -7 \ 2 ' expect: -1  1 -3
' comparisons bind tighter than NOT and OR
PRINT 1 OR 2 = 2; NOT 1 = 2 ' expect: -1 -1
' AND, then OR, then XOR
PRINT 3 AND 1 OR 4 XOR 1 ' expect:  4
' signs repeat
PRINT - - 3; + 3 ' expect:  3  3
