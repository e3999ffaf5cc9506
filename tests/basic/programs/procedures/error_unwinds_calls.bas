' An error unwinds calls of both ways.
PRINT Mix$("s", 40)
FUNCTION Mix$ (S$, N): Mix$ = S$ + STR$(Num(N))
END FUNCTION
FUNCTION Num (N): IF N = 0 THEN Num = N MOD N ELSE Num = LEN(Mix$("t", N - 1)) ' expect runtime error: Division by zero (error 11)
END FUNCTION
