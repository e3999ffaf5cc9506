' FOR ... NEXT: limits, steps and the variable after the loop.
' negative fractional step
FOR T = 10 TO 1 STEP -2.5: PRINT T;: NEXT: PRINT T ' expect:  10  7.5  5  2.5  0
' start past the limit skips the body
FOR I = 5 TO 1: PRINT "X": NEXT: PRINT I ' expect:  5
' the limit is evaluated once
N = 3: FOR I = 1 TO N: N = 10: PRINT I;: NEXT: PRINT ' expect:  1  2  3
' so is the step
S = 1: FOR I = 1 TO 3 STEP S: S = 5: PRINT I;: NEXT: PRINT ' expect:  1  2  3
' fractional step
FOR X = 0 TO 1 STEP 0.25: PRINT X;: NEXT: PRINT ' expect:  0  .25  .5  .75  1
' an integer loop variable
FOR I% = 1 TO 3: PRINT I%;: NEXT I%: PRINT I% ' expect:  1  2  3  4
' NEXT J, I
FOR I = 1 TO 2: FOR J = 1 TO 2: PRINT I * 10 + J;: NEXT J, I: PRINT ' expect:  11  12  21  22
' EXIT FOR
FOR I = 1 TO 10: IF I = 3 THEN EXIT FOR
NEXT: PRINT I
' expect:  3
