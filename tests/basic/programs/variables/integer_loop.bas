' an integer loop rounds each step: 1, 1.6 as 2, 2.6 as 3
DEFINT I: FOR I = 1 TO 2.6 STEP 0.6: PRINT I;: NEXT I
' expect:  1  2
