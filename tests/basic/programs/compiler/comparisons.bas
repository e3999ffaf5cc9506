' Comparisons give -1 for true and 0 for false.
' numbers
PRINT 1 = 1; 1 = 2; 1 <> 2; 2 < 1; 2 > 1; 1 <= 1; 1 >= 2 ' expect: -1  0 -1  0 -1 -1  0
' strings through the runtime's comparison
PRINT "A" < "B"; "B" < "A"; "AB" = "AB"; "A" < "AB"; "B" >= "AB" ' expect: -1  0 -1 -1 -1
' numbers of different types compare by value: .1 is a single, .1# a double
PRINT .1 = .1#; CSNG(.1#) = .1; 1% = 1#; 3 / 2 = 1.5# ' expect:  0 -1 -1 -1
' a double's infinities, made on the way, compare as numbers; NaN equals nothing
PRINT 1D300 * 1D300 > 1D308; (1D300 * 1D300 - 1D300 * 1D300) = 0 ' expect: -1  0
