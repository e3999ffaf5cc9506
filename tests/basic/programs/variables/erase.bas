' ERASE unmakes arrays.
' ERASE unmakes; DIM makes again
A$(1) = "x": ERASE A$: DIM A$(20): A$(20) = "y": PRINT "[" A$(1) "]" A$(20) ' expect: []y
' after ERASE a use makes the array automatic again
A(1) = 5: ERASE A: PRINT A(1) ' expect:  0
' ERASE before the array's first use
ERASE Q: Q(1) = 2: PRINT Q(1) ' expect:  2
