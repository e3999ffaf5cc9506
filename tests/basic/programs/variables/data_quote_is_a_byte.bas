' ' is a byte of a DATA item, no comment
READ A$: PRINT A$
DATA don't: PRINT "ran"
' expect: don't
' expect: ran
