' String functions count and cut bytes.
' double-byte text counts bytes: two Shift-JIS characters are four bytes
A$ = CHR$(130) + CHR$(160) + CHR$(130) + CHR$(162)
PRINT LEN(A$); ASC(A$) ' expect:  4  130
PRINT LEFT$(A$, 2) = CHR$(130) + CHR$(160); MID$(A$, 3) = CHR$(130) + CHR$(162); RIGHT$(A$, 1) = CHR$(162) ' expect: -1 -1 -1
' counts past the end clip
PRINT MID$("HELLO", 2, 3); MID$("HELLO", 9); LEFT$("AB", 5); RIGHT$("AB", 0); "|" ' expect: ELLAB|
' SPACE$, empty strings
PRINT "[" + SPACE$(3) + "]"; ASC(""); LEN("") ' expect: [   ] 0  0
' concatenation
A$ = "AB": B$ = A$ + "C": PRINT B$; A$ = "AB"; B$ > A$ ' expect: ABC-1 -1
' a variable on both sides
A$ = "x": A$ = A$ + A$: A$ = A$ + A$: PRINT A$ ' expect: xxxx
' embedded zero bytes are carried
PRINT CHR$(0) = ""; LEN(CHR$(0) + "A") ' expect:  0  2
