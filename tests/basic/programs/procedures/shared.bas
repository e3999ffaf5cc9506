' SHARED names the program's variable
X = 4: Show
SUB Show: SHARED X: PRINT X: X = 9: END SUB
PRINT X
' expect:  4
' expect:  9
