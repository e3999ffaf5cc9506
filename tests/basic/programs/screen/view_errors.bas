' VIEW's corners lie on the screen, PMAP and POINT take 0 to 3, and the
' runtime's own screen has no VIEW; each error trapped and printed.
ON ERROR GOTO Failed
VIEW (0, 0)-(10, 10) ' expect: error 5
SCREEN 13
VIEW (0, 0)-(320, 10) ' expect: error 5
VIEW (-1, 0)-(10, 10) ' expect: error 5
PRINT PMAP(1, 4) ' expect: error 5
PRINT POINT(-1) ' expect: error 5
VIEW (0, 0)-(319, 199): PRINT "set" ' expect: set
' PUT's image must fit within the area
DIM a%(10): GET (0, 0)-(3, 0), a%
VIEW SCREEN (10, 10)-(12, 12): PUT (10, 10), a% ' expect: error 5
END
Failed:
PRINT "error"; ERR
RESUME NEXT
