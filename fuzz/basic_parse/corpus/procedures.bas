DECLARE SUB Show (A, B$)
DECLARE FUNCTION Fact# (N AS INTEGER)
DIM SHARED Total, Grid(3, 3) AS INTEGER
DEF FNSQ(X) = X * X
DEF FNMAX(A, B)
  IF A > B THEN FNMAX = A: EXIT DEF
  FNMAX = B
END DEF
X = 3: Show X, "x": CALL Show((X), LEFT$("ab", 1))
PRINT Fact#(5); FNSQ(4); FNMAX(1, 2)
Fill Grid()
SELECT CASE X
CASE 1, 2: PRINT "low"
CASE 3 TO 5, IS > 10: PRINT "mid"
CASE ELSE: PRINT "else"
END SELECT
SELECT CASE "b"
CASE "a" TO "c": PRINT "letter"
END SELECT
SUB Show (A, B$) STATIC
  SHARED Total
  STATIC Count
  Count = Count + 1: Total = Total + A
  IF A < 0 THEN EXIT SUB
  PRINT B$; A; Count
END SUB
FUNCTION Fact# (N AS INTEGER)
  IF N <= 1 THEN Fact# = 1 ELSE Fact# = N * Fact#(N - 1)
END FUNCTION
SUB Fill (G() AS INTEGER)
  FOR I = 0 TO 3: G(I, I) = I: NEXT
END SUB
