' The selector is evaluated once.
' the selector is evaluated once, before any CASE runs
SELECT CASE RND(1) * 0 + N
CASE 0: N = 5: PRINT "zero"
CASE 5: PRINT "five"
END SELECT
' expect: zero
' a recursive call inside a CASE item leaves the caller's selector alone
PRINT R(1)
FUNCTION R (N)
SELECT CASE N
CASE IS < 1: R = 0
CASE R(N - 1) + N: R = -1
CASE ELSE: R = N
END SELECT
END FUNCTION
' expect: -1
