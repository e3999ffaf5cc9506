' INPUT splits the line into fields.
' quotes keep commas
' input: "a, b" , c
INPUT A$, B$: PRINT A$; "|"; B$
' expect: ? "a, b" , c
' expect: a, b|c
' extra fields
' input: 1, 2
INPUT A: PRINT A
' expect: ? 1, 2
' expect: ?Extra ignored
' expect:  1
' empty fields are 0 and ""
' input: ,
INPUT A, B$: PRINT A; B$; "|"
' expect: ? ,
' expect:  0 |
' subscripts after the read
' input: 3, x
INPUT A(2), A$(A(2)): PRINT A(2); A$(3)
' expect: ? 3, x
' expect:  3 x
