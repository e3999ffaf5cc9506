' the strings and arrays of 50 calls are released
S$ = "x": PRINT F$(S$, 50)
FUNCTION F$ (T$, N): DIM A$(2): A$(1) = T$
IF N = 0 THEN A$(3) = T$ ELSE F$ = A$(1) + F$(T$ + "y", N - 1) ' expect runtime error: Subscript out of range (error 9)
END FUNCTION
