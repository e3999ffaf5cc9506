' a numbered DEF FN line runs nothing when a jump reaches it
10 DEF FNR(X) = INT(X * 10 + 0.5) / 10
20 PRINT FNR(3.14159)
30 IF K = 0 THEN K = 1: GOTO 10
' expect:  3.1
' expect:  3.1
