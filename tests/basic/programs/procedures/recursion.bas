' Procedures that call themselves.
' recursion, used before its definition
PRINT Fact(10)
FUNCTION Fact (N)
IF N <= 1 THEN Fact = 1 ELSE Fact = N * Fact(N - 1)
END FUNCTION
' expect:  3628800
' nested recursive calls inside an argument
PRINT Ack(2, 3)
FUNCTION Ack (M, N)
IF M = 0 THEN Ack = N + 1: EXIT FUNCTION
IF N = 0 THEN Ack = Ack(M - 1, 1) ELSE Ack = Ack(M - 1, Ack(M, N - 1))
END FUNCTION
' expect:  9
' a string function calling itself
PRINT Rev$("abc")
FUNCTION Rev$ (S$)
IF LEN(S$) <= 1 THEN Rev$ = S$ ELSE Rev$ = Rev$(MID$(S$, 2)) + LEFT$(S$, 1)
END FUNCTION
' expect: cba
' each call keeps its own parameter
Count 3: PRINT
SUB Count (N): IF N = 0 THEN EXIT SUB
PRINT N;: Count N - 1: PRINT N;
END SUB
' expect:  3  2  1  1  2  3
' a recursive call inside a FOR keeps each call's limit
Walk 2
SUB Walk (D): FOR J = 1 TO 2: IF D > 0 THEN Walk D - 1 ELSE PRINT "*";
NEXT: END SUB
' expect: ********
