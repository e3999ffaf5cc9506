' INPUT and the keys share the input lines, in order
' input: 12
' input: k
INPUT A: PRINT A; INKEY$
' expect: ? 12
' expect:  12 k
