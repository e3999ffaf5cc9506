10 ' A numbered program moves an item that does not fit in the row the
20 ' same way, as GW-BASIC did: a string, a number, a comma's zone.
30 SCREEN 0: LOCATE 2, 76: PRINT "abcdef";: LOCATE 1, 1: PRINT SCREEN(3, 1)
40 ' expect:
50 ' expect: abcdef 97
60 LOCATE 5, 79: PRINT -5;: LOCATE 1, 1: PRINT SCREEN(6, 1)
70 ' expect:
80 ' expect: -5  45
90 LOCATE 8, 60: PRINT "x", "y": LOCATE 1, 1: PRINT SCREEN(9, 1)
100 ' expect: x
110 ' expect: y
120 ' expect:  121
