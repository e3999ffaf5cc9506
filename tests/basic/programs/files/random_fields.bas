' RANDOM files: FIELD ties variables to the record buffer, LSET and RSET
' fill them, PUT writes the buffer as a record and GET reads one back.
OPEN "R.DAT" FOR RANDOM AS #1 LEN = 10
FIELD #1, 4 AS N$, 6 AS W$
LSET N$ = "ab": RSET W$ = "xyz"
PUT #1, 2
' too long: cut to the field's width
LSET N$ = "first": LSET W$ = "one"
PUT #1, 1
PRINT LOF(1); LOC(1); SEEK(1) ' expect:  20  1  2
GET #1, 2
PRINT "["; N$; "|"; W$; "]" ' expect: [ab  |   xyz]
PRINT LOC(1); SEEK(1); EOF(1) ' expect:  2  3  0
GET #1, 1
PRINT "["; N$; "|"; W$; "]" ' expect: [firs|one   ]
' a GET past the end: EOF
GET #1, 3
PRINT EOF(1); LEN(N$) ' expect: -1  4
CLOSE
' LSET and RSET of an ordinary string keep its length
A$ = "12345": LSET A$ = "ab": PRINT "["; A$; "]" ' expect: [ab   ]
RSET A$ = "ab": PRINT "["; A$; "]" ' expect: [   ab]
RSET A$ = "toolongtext": PRINT "["; A$; "]" ' expect: [toolo]
' a number's bytes in a random file's record, and a string's with its length
OPEN "N.DAT" FOR RANDOM AS #1 LEN = 8
X# = 1 / 3: PUT #1, 1, X#
S$ = "hello": PUT #1, 2, S$
Y# = 0: GET #1, 1, Y#: T$ = "": GET #1, 2, T$
PRINT Y# = X#; T$; LOF(1) ' expect: -1 hello 16
CLOSE
' the classic form: a mode letter, a number, a name, a record length
OPEN "R", #3, "R.DAT", 10
FIELD #3, 10 AS R$
GET #3, 2: PRINT "["; R$; "]" ' expect: [ab     xyz]
CLOSE #3
