' REDIM makes an array anew.
' REDIM makes the array anew
DIM A(3): A(1) = 2: REDIM A(5): PRINT A(1); A(5) ' expect:  0  0
' REDIM releases the old strings (the test counts those left behind)
A$(1) = "x": REDIM A$(1 TO 2): PRINT "[" A$(1) "]" ' expect: []
