' Arrays, of numbers and strings, with and without DIM.
' arrays
DIM A(2, 3): A(2, 3) = 5: B$(10) = "x": PRINT A(2, 3); A(0, 0); B$(10) ' expect:  5  0 x
' each array keeps its type: % rounds, ! is a float, # a double
DIM C%(1), S!(1), D#(1): C%(1) = 2.5: S!(1) = 1 / 3: D#(1) = 1 / 3#: PRINT C%(1); S!(1); D#(1) ' expect:  2  .3333333  .3333333333333333
' % arrays keep 16 bits
C%(1) = 70000 ' expect runtime error: Overflow (error 6)
