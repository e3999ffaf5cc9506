' a GOSUB inside a procedure called from a GOSUB
GOSUB 10: PRINT "back": END
10 CALL Inner: RETURN
SUB Inner: GOSUB 20: EXIT SUB
20 PRINT "in";: RETURN
END SUB
' expect: inback
