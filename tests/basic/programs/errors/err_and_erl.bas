' ERR and ERL for each error a program can provoke, printed by one handler
' that goes on after each; ERL is the line's number.
10 ON ERROR GOTO 1000
20 DIM A(5): Z = 0
' Overflow: an INTEGER out of its range
30 X% = 40000
' expect:  6  30
' Division by zero, and 0 / 0, which overflows
40 X = 1 / Z
' expect:  11  40
50 X = Z / Z
' expect:  6  50
' Subscript out of range
60 A(7) = 1
' expect:  9  60
' Illegal function call
70 X = SQR(-1)
' expect:  5  70
' Out of DATA: the program has none
80 READ Q
' expect:  4  80
' RETURN without GOSUB
90 RETURN
' expect:  3  90
' ERROR n: a known number, one without a message, and numbers out of range
110 ERROR 11
' expect:  11  110
120 ERROR 200
' expect:  200  120
130 ERROR 0
' expect:  5  130
140 ERROR 256
' expect:  5  140
' the error of the second statement of a line has the line's number
150 PRINT "first";: ERROR 62
' expect: first 62  150
' a line without a number has the number of the last numbered line before it
X = 1 / Z
' expect:  11  150
' a string expression failing halfway: the strings made so far are released
160 A$ = "abc" + STRING$(3, "x") + MID$(A$, 0)
' expect:  5  160
170 PRINT "A$ is still"; LEN(A$)
' expect: A$ is still 0
180 END
1000 PRINT ERR; ERL
1010 RESUME NEXT
