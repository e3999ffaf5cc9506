10 ' A numbered program in GW-BASIC's way: the mode letters of OPEN.
20 OPEN "O", #1, "G.TXT"
30 FOR I = 1 TO 3: PRINT #1, I * I: NEXT I
40 CLOSE #1
50 OPEN "I", #1, "G.TXT"
60 IF EOF(1) THEN 100
70 INPUT #1, X: T = T + X
80 GOTO 60
100 PRINT T ' expect:  14
110 CLOSE
120 OPEN "R", #2, "G.DAT", 2
130 FIELD 2, 2 AS N$
140 LSET N$ = MKI$(-7): PUT 2, 5
150 GET 2, 5: PRINT CVI(N$); LOF(2) ' expect: -7  10
160 CLOSE
