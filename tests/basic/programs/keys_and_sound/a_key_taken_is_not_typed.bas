' a key taken is not typed into the line
' input: xyz
K$ = INPUT$(1): INPUT A$: PRINT A$
' expect: ? yz
' expect: yz
