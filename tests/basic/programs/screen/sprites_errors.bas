' Graphics GET and PUT refuse rather than clip or write past the array:
' each case is trapped and its error printed.
ON ERROR GOTO Failed
DIM a%(20), small%(1)
SCREEN 13
GET (0, 0)-(2, 1), a%
' 4 + 3 * 2 = 10 bytes, and small% holds 4
GET (0, 0)-(2, 1), small% ' expect: error 5
' from a%(18) on only 3 elements, 6 bytes, are left
GET (0, 0)-(2, 1), a%(18) ' expect: error 5
' a block past the screen's edge
GET (318, 0)-(320, 1), a% ' expect: error 5
' an image reaching past the right edge or the bottom
PUT (318, 0), a% ' expect: error 5
PUT (0, 199), a% ' expect: error 5
PUT (-1, 0), a% ' expect: error 5
' an array with no image: width 0
DIM empty%(10): PUT (0, 0), empty% ' expect: error 5
' a subscript out of the array's range
PUT (0, 0), a%(21) ' expect: error 9
' the runtime's own screen has no such images
SCREEN 0: PUT (0, 0), a% ' expect: error 5
END
Failed:
PRINT "error"; ERR
RESUME NEXT
