' READ stores as the type keeps
READ A%, B&: PRINT A%; B&
DATA 2.5, 3000000000.4
' expect:  2 -2147483648
