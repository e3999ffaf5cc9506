' SELECT CASE: lists, ranges, IS, ELSE and nesting.
' lists, ranges, IS and ELSE
FOR X = 0 TO 7: SELECT CASE X
CASE 1, 2: PRINT "a";
CASE 3 TO 5: PRINT "b";
CASE IS > 6: PRINT "c";
CASE ELSE: PRINT "-";
END SELECT: NEXT: PRINT
' expect: -aabbb-c
' strings
S$ = "M": SELECT CASE S$
CASE "A" TO "L": PRINT 1
CASE IS >= "M", "0": PRINT 2
END SELECT
' expect:  2
' no CASE matches
SELECT CASE 4
CASE 1
PRINT 1
END SELECT
PRINT "after"
' expect: after
' nested, and a comment before the first CASE
SELECT CASE 2
' comment
CASE 2: SELECT CASE "x": CASE "x": PRINT "in": END SELECT
END SELECT
' expect: in
' negative ranges; the first matching CASE wins
FOR X = -2 TO 2: SELECT CASE X: CASE -2 TO -1, 2: PRINT "e";: CASE IS <> 0: PRINT "n";: CASE ELSE: PRINT "z";: END SELECT: NEXT: PRINT ' expect: eezne
' EXIT FOR from inside a CASE
FOR I = 1 TO 3: SELECT CASE I: CASE 2: EXIT FOR: CASE ELSE: PRINT I;: END SELECT: NEXT: PRINT "!" ' expect:  1 !
