' The direct mode's commands as statements of a running program.
10 IF Runs = 0 THEN PRINT "first run"
' expect: first run
' RUN n starts anew at line n: every variable back to 0, ON ERROR unset
20 Runs = Runs + 1: DIM A(3): A(1) = Runs
30 IF Runs = 1 THEN ON ERROR GOTO 900: RUN 40
40 PRINT "runs"; Runs; A(1)
' expect: runs 0  0
' LIST with bounds prints those lines of the text
50 LIST 20-30
' expect: 20 Runs = Runs + 1: DIM A(3): A(1) = Runs
' expect: 30 IF Runs = 1 THEN ON ERROR GOTO 900: RUN 40
' CONT has nothing to go on after
60 CONT ' expect runtime error: Cannot continue (error 17): CONT goes on after STOP in the direct mode only
900 PRINT "never trapped"
