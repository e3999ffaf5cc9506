' A program whose lines all carry numbers runs as the classic numbered
' BASIC ran it: errors of a line, and jumps to missing lines, wait for the
' run to reach them, where ON ERROR can trap them with their ERL.
10 ON ERROR GOTO 900
20 PRINT "start"
' expect: start
' a line that does not compile is a warning; reached, it fails with Syntax
' error and the line's number
40 GOSUB 500
' expect: error 2 in 500
' expect: back from 500
' a jump to a missing line fails only when taken, in each of its forms
50 GOTO 999
' expect: error 8 in 50
60 IF 1 THEN 998
' expect: error 8 in 60
70 IF 0 THEN 998
80 GOSUB 997
' expect: error 8 in 80
90 ON 2 GOTO 20, 996
' expect: error 8 in 90
100 RESTORE 995
' expect: error 8 in 100
' DEF FN may stand inside a loop, and defines its function when run
110 FOR I = 1 TO 3: DEF FNM(X) = X * I: PRINT FNM(10);: NEXT: PRINT
' expect:  10  20  30
' and after THEN; called before its DEF has run it is not defined (18)
120 PRINT FNL(2)
' expect: error 18 in 120
130 IF 1 THEN DEF FNL(X) = X + 100
140 PRINT FNL(2)
' expect:  102
' of two lines 150 the later stands, in the first one's place
150 PRINT "the first 150"
160 PRINT "line 160"
' expect: the later 150
' expect: line 160
170 END
' never reached, a line that does not compile does no harm
180 IF 0 THEN PRINT 1 +
' expect warning 40:24: expected an expression, found end of line
500 PRINT "in 500" +
' expect warning 42:21: expected an expression, found end of line
510 PRINT "back from 500"
520 RETURN
150 PRINT "the later 150"
900 PRINT "error"; ERR; "in"; ERL
910 RESUME NEXT
