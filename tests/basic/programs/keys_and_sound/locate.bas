' LOCATE moves the cursor that PRINT, CSRLIN and POS agree on.
' LOCATE counts from 1
LOCATE 5, 10: P = POS(0): PRINT CSRLIN; P ' expect:  5  10
' POS follows PRINT
PRINT "ab";: PRINT POS(0) ' expect: ab 3
' even within the PRINT that moves it
PRINT "ab"; POS(0) ' expect: ab 3
' CSRLIN's own text moved it
LOCATE 5, 10: PRINT CSRLIN; POS(0) ' expect:  5  13
' a missing row stays
LOCATE 4, 7: LOCATE , 2: P = POS(0): PRINT CSRLIN; P ' expect:  4  2
' a missing column stays
LOCATE 1, 7: LOCATE 6: PRINT POS(0); CSRLIN ' expect:  7  6
' TAB counts from the column LOCATE set
LOCATE 1, 5: PRINT TAB(10); "x" ' expect:      x
' and so do commas
LOCATE 1, 12: PRINT "a", "b" ' expect: a  b
' the cursor's shape is accepted
LOCATE 2, 3, 0, 5, 7: PRINT POS(X) ' expect:  3
' KEY ON and OFF change nothing on the runtime's own screen (WIDTH chooses
' the PC's text screen, where KEY ON's line shows: tests/basic/keys_and_sound)
KEY OFF: KEY ON: PRINT 1 ' expect:  1
' the layer's last cell
LOCATE 101, 255: P = POS(0): PRINT CSRLIN; P ' expect:  101  255
