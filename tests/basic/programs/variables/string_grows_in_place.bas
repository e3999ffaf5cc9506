' S$ = S$ + ... grows the variable itself; what it reads and when must not
' change for that
S$ = "ab": S$ = S$ + S$ + "c": PRINT S$ ' expect: ababc
FOR I = 1 TO 40: T$ = T$ + CHR$(64 + I MOD 26): NEXT
PRINT LEN(T$); RIGHT$(T$, 5) ' expect:  40 JKLMN
' a FUNCTION that changes the variable: the value before the call is joined
G$ = "old": G$ = G$ + Change$: PRINT G$ ' expect: oldchanged
' an error in what is appended leaves the variable as it was
ON ERROR GOTO Skip
E$ = "kept": E$ = E$ + CHR$(300): PRINT E$ ' expect: kept
' LEN of variables: empty, fixed-length, and a constant
CONST C$ = "four"
DIM F AS STRING * 7
PRINT LEN(N$); LEN(F); LEN(C$); LEN(S$) ' expect:  0  7  4  5
END
Skip: RESUME NEXT
FUNCTION Change$
  SHARED G$
  G$ = "new": Change$ = "changed"
END FUNCTION
