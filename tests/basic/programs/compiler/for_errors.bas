' FOR found wrong before the run.
' NEXT names its FOR
FOR I = 1 TO 2: NEXT J ' expect error 22: NEXT J does not match FOR I
' a string loop variable
FOR A$ = 1 TO 2 ' expect error 5: FOR needs a numeric variable
' an element
FOR A(1) = 1 TO 2 ' expect error 6: FOR needs a simple variable, not an array element
