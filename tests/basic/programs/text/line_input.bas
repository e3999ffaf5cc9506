' LINE INPUT takes the whole line.
' commas, quotes and spaces kept; no "? "
' input:  a, "b" ,c 
LINE INPUT "Name: "; N$: PRINT "[" + N$ + "]"
' expect: Name:  a, "b" ,c
' expect: [ a, "b" ,c ]
' into an element; no prompt at all
' input:  a, "b" ,c 
DIM L$(3): I = 2: LINE INPUT L$(I): PRINT L$(2)
' expect:  a, "b" ,c
' expect:  a, "b" ,c
' the column starts again after the line
' input:  a, "b" ,c 
PRINT "ab";: LINE INPUT L$: PRINT TAB(3); LEN(L$)
' expect: ab a, "b" ,c
' expect:    11
