' PRINT's separators: ';', ',' and nothing.
' ',' goes to the next column of 14
PRINT 1, 2 ' expect:  1             2
' a trailing ';' keeps the line
PRINT "A";: PRINT "B" ' expect: AB
' a trailing ',' too
PRINT "A",: PRINT "B" ' expect: A             B
' an empty PRINT ends the line
PRINT ' expect:
' a full zone moves to the next
PRINT "ABCDEFGHIJKLMN", 1 ' expect: ABCDEFGHIJKLMN               1
' ? is PRINT; items may follow each other
? "A" "B" ' expect: AB
