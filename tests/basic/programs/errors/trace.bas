10 ' TRON prints each numbered line's number in brackets as the line
20 ' starts, jumps included, until TROFF; text printed goes on after it.
30 TRON
40 FOR I = 1 TO 2: GOSUB 80: NEXT I
50 TROFF
60 PRINT "done"
70 END
80 PRINT I;: RETURN
' expect: [40][80] 1 [80] 2 [50]done
