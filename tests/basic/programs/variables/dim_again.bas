' a DIM reached again with the same bounds leaves the array
10 DIM A(2): A(1) = 5
20 IF N < 2 THEN N = N + 1: GOTO 10
30 PRINT A(1)
' expect:  5
