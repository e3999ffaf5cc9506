' comments: ' and REM, after a statement and on a numbered line
PRINT 1 ' a comment
REM another
10 REM numbered
' expect:  1
