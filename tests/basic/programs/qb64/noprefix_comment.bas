' The metacommand in a comment, as QBasic wrote its own, works the same.
'$NOPREFIX
PRINT PI(1)
' expect:  3.141592653589793
