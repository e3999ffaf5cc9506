' INPUT asks again when the line does not fit.
' too few fields
' input: 1
' input: 1, 2
INPUT A, B: PRINT A + B
' expect: ? 1
' expect: ?Redo from start
' expect: ? 1, 2
' expect:  3
' a number that does not parse
' input: abc
' input: 12abc
' input:  7 
INPUT A: PRINT A
' expect: ? abc
' expect: ?Redo from start
' expect: ? 12abc
' expect: ?Redo from start
' expect: ?  7
' expect:  7
' a quoted number is not a number
' input: "5"
' input: 5
INPUT A: PRINT A
' expect: ? "5"
' expect: ?Redo from start
' expect: ? 5
' expect:  5
