' an empty line, then another
' input:
' input: x
LINE INPUT A$: LINE INPUT B$: PRINT B$; A$
' expect:
' expect: x
' expect: x
