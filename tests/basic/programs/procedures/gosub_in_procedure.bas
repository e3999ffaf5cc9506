' GOSUB within a procedure
Jumps
SUB Jumps: GOSUB 10: EXIT SUB
10 PRINT "in": RETURN
END SUB
' expect: in
