A$ = "‚ ‚¢" + CHR$(65) + MID$("abc", 2, 1)
PRINT LEFT$(A$, 2); RIGHT$(A$, 1); LEN(A$); ASC(A$); VAL("12AB"); STR$(&HFF)
? SPACE$(3); "•\" ' •\ comment
PSET (1, 2), 3: LINE -STEP(4, 5), , B: RANDOMIZE 7: SLEEP 0
