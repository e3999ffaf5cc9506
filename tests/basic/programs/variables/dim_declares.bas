' A DIM with numbers for bounds declares its array before the run.
' a DIM with numbers for bounds declares its array, even where a jump passes it by
GOTO 20
10 DIM E(14)
20 E(14) = 7: PRINT E(14); UBOUND(E)
' expect:  7  14
' a declared array has its bounds before its DIM runs
X = A(1): DIM A(3): PRINT UBOUND(A) ' expect:  3
