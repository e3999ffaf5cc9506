' Strings: building, cutting, comparing, and numbers as text.
A$ = "BASIC PROMPT"
PRINT A$; " has"; LEN(A$); "characters."

B$ = ""
FOR K = LEN(A$) TO 1 STEP -1
  B$ = B$ + MID$(A$, K, 1)
NEXT
PRINT "Backwards: "; B$
PRINT "First word: "; LEFT$(A$, 5); ", last word: "; RIGHT$(A$, 6)

PRINT "Letter codes:";
FOR K = 1 TO 5
  PRINT ASC(MID$(A$, K, 1));
NEXT
PRINT

' A tree of stars, centred with SPACE$.
S$ = "*"
FOR K = 1 TO 5
  PRINT SPACE$(10 - K); S$
  S$ = S$ + "**"
NEXT

' Strings sort in the system's order; numbers turn into text and back.
IF "apple" < "banana" THEN PRINT "apple comes before banana"
N$ = STR$(2 ^ .5)
PRINT "The square root of 2 as text is"; LEN(N$); "bytes long:"; N$
PRINT "and read back, times itself:"; VAL(N$) * VAL(N$)
END
