10 ' A numbered program's event traps: a handler by its line number, GOSUB 0
20 ' to take it away, and a missing line found when the statement runs.
30 ON ERROR GOTO 200
40 ON KEY(1) GOSUB 900
50 PRINT "after"; ERR; ERL ' expect: after 8  40
60 ON KEY(1) GOSUB 0: KEY(1) ON: PRINT "none" ' expect: none
70 ON TIMER(5) GOSUB 300: TIMER ON: TIMER STOP: TIMER OFF: PRINT "timer" ' expect: timer
80 END
200 RESUME NEXT
300 RETURN
