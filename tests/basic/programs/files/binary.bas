' BINARY files: GET and PUT of every number type as its bytes, of a
' string as many bytes as it is long, at byte positions from 1.
OPEN "B.BIN" FOR BINARY AS #1
I% = -2: L& = 100000: S! = 1.5: D# = -2.25: T$ = "hey"
PUT #1, , I%: PUT #1, , L&: PUT #1, , S!: PUT #1, , D#: PUT #1, , T$
PRINT LOF(1); LOC(1); SEEK(1) ' expect:  21  21  22
I% = 0: L& = 0: S! = 0: D# = 0: T$ = SPACE$(3)
GET #1, 1, I%: GET #1, , L&: GET #1, , S!: GET #1, , D#: GET #1, , T$
PRINT I%; L&; S!; D#; T$ ' expect: -2  100000  1.5 -2.25 hey
' a string written over the first two bytes
Q$ = "XY": PUT #1, 1, Q$
GET #1, 1, I%: PRINT I% ' expect:  22872
' SEEK moves the next transfer
SEEK #1, 19: GET #1, , Q$: PRINT Q$; SEEK(1) ' expect: he 21
' reading past the end gives zero bytes and EOF
Z$ = SPACE$(5): GET #1, 20, Z$: PRINT EOF(1); LEN(Z$); ASC(RIGHT$(Z$, 1)) ' expect: -1  5  0
CLOSE
' INPUT$ of a binary file: its bytes as they are
OPEN "B.BIN" FOR BINARY AS #1
SEEK 1, 19
PRINT INPUT$(3, 1) ' expect: hey
PRINT FILEATTR(1, 1) ' expect:  32
CLOSE
