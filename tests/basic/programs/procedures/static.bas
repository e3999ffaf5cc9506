' STATIC keeps locals from call to call.
' SUB ... STATIC keeps its locals
CALL Tick: Tick: Tick: PRINT
SUB Tick STATIC: N = N + 1: PRINT N;: END SUB
' expect:  1  2  3
' the STATIC statement keeps only its names
CALL Tock: Tock
SUB Tock: STATIC N: N = N + 1: M = M + 1: PRINT N; M;: END SUB
' expect:  1  1  2  1
