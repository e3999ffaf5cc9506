' Text that is no token, found before the run.
' a literal past the doubles
A = 1E999 ' expect error 5: number too large
' a hexadecimal literal past 32 bits
A = &H123456789 ' expect error 5: hexadecimal number longer than 8 digits
' &H alone
A = &HG ' expect error 5: &H without hexadecimal digits
' a stray character
A = 1 @ 2 ' expect error 7: unexpected character '@'
' 41 letters
ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNO = 1 ' expect error 1: name longer than 40 characters
' unterminated string
PRINT "abc
' expect error 13:7: string without its closing quote
