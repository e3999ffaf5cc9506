' On the PC's screen a PRINT item that does not fit in what is left of
' the row starts on the next row; the cells say where each item landed.
SCREEN 0
' a string too long for the rest of the row moves down whole
LOCATE 2, 75: PRINT "abcdefgh";: R = CSRLIN: P = POS(0): LOCATE 1, 1: PRINT R; P
' expect:
' expect: abcdefgh 3  9
' a string that just fills the row stays on it
LOCATE 4, 77: PRINT "abcd";: LOCATE 1, 1: PRINT SCREEN(4, 77); SCREEN(4, 80); SCREEN(5, 1)
' expect: abcd 97  100  32
' a number's text, its spaces included, moves down the same way
LOCATE 6, 78: PRINT 12;: LOCATE 1, 1: PRINT SCREEN(6, 79); SCREEN(7, 2); SCREEN(7, 3)
' expect:
' expect:  12  32  49  50
' and stays when it fits to the last column
LOCATE 8, 77: PRINT 12;: LOCATE 1, 1: PRINT SCREEN(8, 78); SCREEN(8, 79)
' expect:  12  49  50
' each item of one PRINT is judged at its own place
LOCATE 9, 76: PRINT "abc"; "def";: LOCATE 1, 1: PRINT SCREEN(9, 78); SCREEN(10, 1)
' expect: abc
' expect: def 99  100
' an item longer than a whole row is not moved: it wraps where it starts
LOCATE 11, 79: PRINT STRING$(81, "z");: LOCATE 1, 1: PRINT SCREEN(11, 79); SCREEN(12, 79); SCREEN(12, 80)
' expect: zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz 122  122  32
' at the row's start a whole row's text is not moved either
LOCATE 13, 1: PRINT STRING$(80, "y");: LOCATE 1, 1: PRINT SCREEN(13, 1); SCREEN(12, 1)
' expect: yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy 121  122
' a comma whose zone does not fit in the row starts the next row:
' five zones of 14 in 80 columns
LOCATE 15, 1: PRINT 1, 2, 3, 4, 5, 6: LOCATE 1, 1: PRINT SCREEN(15, 58); SCREEN(15, 72); SCREEN(16, 2)
' expect:  1             2             3             4             5
' expect:  6
' expect:  53  32  54
' two zones in 40 columns
WIDTH 40: LOCATE 2, 1: PRINT "a", "b", "c": LOCATE 1, 1: PRINT SCREEN(2, 15); SCREEN(3, 1)
' expect: a             b
' expect: c
' expect:  98  99
