' A parameter passed on to a body that indexes it takes that body's number
' of subscripts: an array with another number is refused before the run,
' at the call that passes it, however many procedures stand between.
DIM A(5), B(2, 2)
PassOn A() ' expect error 8: array A has 1 subscripts; PASSON uses it with 2
Twice A() ' expect error 7: array A has 1 subscripts; TWICE uses it with 2
PassOn B(): Twice B()
SUB PassOn (u())
  Cell u()
END SUB
SUB Twice (w())
  PassOn w()
END SUB
SUB Cell (v())
  PRINT v(1, 1)
END SUB
' a parameter its own body indexes keeps that number when passed on
SUB Mixed (m())
  m(1) = 0
  Cell m() ' expect error 8: array M has 1 subscripts; CELL uses it with 2
END SUB
