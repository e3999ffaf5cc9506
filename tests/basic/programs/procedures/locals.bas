' a SUB's names are its own
X = 7: Show: PRINT X
SUB Show: X = 1: END SUB
' expect:  7
