' Arrays, of numbers and strings, with and without DIM.
' arrays
DIM A(2, 3): A(2, 3) = 5: B$(10) = "x": PRINT A(2, 3); A(0, 0); B$(10) ' expect:  5  0 x
' % arrays keep 16 bits
DIM C%(1): C%(1) = 70000: PRINT C%(1) ' expect:  4464
