' READ stores as the type keeps
READ A%, B&, C, D#: PRINT A%; B&; C; D#
DATA 2.5, 3000000000.4E-1, .1, .1
' expect:  2  300000000  .1  .1
READ A% ' expect runtime error: Overflow (error 6)
DATA 40000
