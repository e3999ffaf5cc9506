' a literal is a DOUBLE only when it needs more than 7 significant digits:
' zeros after its last nonzero digit do not count
PRINT 98765400000; 1.50000000; 000123.4560 ' expect:  9.87654E+10  1.5  123.456
PRINT 12345678.5; 100000001 * 10 ' expect:  12345678.5  1000000010
' so a SINGLE read from DATA equals the same number written in full
READ V: PRINT V = -98765400000 ' expect: -1
DATA -9.87654E+10
