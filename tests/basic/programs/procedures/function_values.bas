' The values functions give.
' a % function rounds its value as a % variable does
PRINT Half%(5); Half%(7)
FUNCTION Half% (N): Half% = N / 2: END FUNCTION
' expect:  2  4
' a DEF FN calling another
DEF FNUP$(S$) = S$ + "!"
DEF FNTWICE$(S$) = FNUP$(S$) + FNUP$(S$)
PRINT FNTWICE$("hi")
' expect: hi!hi!
' a function as a FOR limit
FOR I = 1 TO Limit: PRINT I;: NEXT
FUNCTION Limit: Limit = 3: END FUNCTION
' expect:  1  2  3
