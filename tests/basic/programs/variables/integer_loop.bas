' an INTEGER loop keeps its limit and step as integers: 2.6 is 3, 0.6 is 1
DEFINT I: FOR I = 1 TO 2.6 STEP 0.6: PRINT I;: NEXT I: PRINT
' expect:  1  2  3
' a SINGLE loop adds a float step: ten of the float .1 make a little more than 1
FOR X = 0 TO 1 STEP .1: N = N + 1: NEXT: PRINT N ' expect:  10
