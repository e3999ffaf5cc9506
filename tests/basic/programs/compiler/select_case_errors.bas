' SELECT CASE found wrong before the run.
' statements before the first CASE
SELECT CASE 1
PRINT ' expect error 1: expected CASE after SELECT CASE, found 'PRINT'
CASE 1
END SELECT
' a lone CASE
CASE 1 ' expect error 1: CASE without SELECT CASE
' CASE ELSE is the last
SELECT CASE 1
CASE ELSE
CASE 2 ' expect error 1: CASE after CASE ELSE
END SELECT
' CASE of the selector's kind
SELECT CASE A$
CASE 1 ' expect error 6: expected a string, found a number
END SELECT
' an open SELECT
SELECT CASE 1 ' expect error 1: SELECT CASE without END SELECT
CASE 1
