' Comparisons give -1 for true and 0 for false.
' numbers
PRINT 1 = 1; 1 = 2; 1 <> 2; 2 < 1; 2 > 1; 1 <= 1; 1 >= 2 ' expect: -1  0 -1  0 -1 -1  0
' strings through the runtime's comparison
PRINT "A" < "B"; "B" < "A"; "AB" = "AB"; "A" < "AB"; "B" >= "AB" ' expect: -1  0 -1 -1 -1
' NaN equals nothing
X = 0 / 0: PRINT X = X; X <> X ' expect:  0 -1
