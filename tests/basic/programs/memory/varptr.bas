' VARSEG:VARPTR of a variable reads and writes its bytes in the classic
' layout, through the variable itself.
A% = 1: B% = -1: C! = 1.5: D# = 1: E& = 65536 + 2
DEF SEG = VARSEG(A%)
' INTEGER: 2 bytes, low first
P = VARPTR(A%): PRINT PEEK(P); PEEK(P + 1)
' expect:  1  0
P = VARPTR(B%): PRINT PEEK(P); PEEK(P + 1)
' expect:  255  255
' SINGLE: IEEE, 4 bytes
P = VARPTR(C!): PRINT PEEK(P); PEEK(P + 1); PEEK(P + 2); PEEK(P + 3)
' expect:  0  0  192  63
' DOUBLE: IEEE, 8 bytes
P = VARPTR(D#): FOR I = 0 TO 7: PRINT PEEK(P + I);: NEXT: PRINT
' expect:  0  0  0  0  0  0  240  63
' LONG: 4 bytes, low first
P = VARPTR(E&): PRINT PEEK(P); PEEK(P + 1); PEEK(P + 2); PEEK(P + 3)
' expect:  2  0  1  0
' a byte poked changes the variable
POKE VARPTR(A%) + 1, 1: PRINT A%
' expect:  257
POKE VARPTR(C!) + 3, 64: PRINT C!
' expect:  6
' a value stored later is read as its bytes
A% = -2: PRINT PEEK(VARPTR(A%)); PEEK(VARPTR(A%) + 1)
' expect:  254  255
' a variable keeps its address; two variables never share one
PRINT VARPTR(A%) = VARPTR(A%); VARPTR(A%) <> VARPTR(B%)
' expect: -1 -1
' an INTEGER array holds a sprite: its elements' bytes follow each other
DIM S%(10)
DEF SEG = VARSEG(S%(0))
FOR I = 0 TO 5: POKE VARPTR(S%(0)) + I, I + 1: NEXT
PRINT S%(0); S%(1); S%(2); VARPTR(S%(3)) - VARPTR(S%(0))
' expect:  513  1027  1541  6
' an array has a segment of its own, not the scalars'
PRINT VARSEG(S%(0)) <> VARSEG(A%)
' expect: -1
' bytes that make no number (a NaN pattern in a SINGLE array, as a sprite's
' pixels may) are kept as they were poked; the element holds 0
DIM F(3)
DEF SEG = VARSEG(F(0)): P = VARPTR(F(1))
POKE P, 1: POKE P + 1, 2: POKE P + 2, 192: POKE P + 3, 255
PRINT F(1); PEEK(P); PEEK(P + 1); PEEK(P + 2); PEEK(P + 3)
' expect:  0  1  2  192  255
' and once the element is given a value, its bytes are the value's
F(1) = 1.5: PRINT PEEK(P + 2); PEEK(P + 3)
' expect:  192  63
' a string: VARPTR its descriptor (length, then the offset of its bytes),
' SADD its bytes
T$ = "HELLO"
DEF SEG
D = VARPTR(T$)
PRINT PEEK(D) + 256 * PEEK(D + 1); PEEK(D + 2) + 256 * PEEK(D + 3) = SADD(T$)
' expect:  5 -1
PRINT CHR$(PEEK(SADD(T$))); CHR$(PEEK(SADD(T$) + 4))
' expect: HO
' a byte poked into the string's bytes changes the string
POKE SADD(T$), ASC("J"): PRINT T$
' expect: JELLO
' an element out of the array's bounds is an error, as anywhere
PRINT VARPTR(S%(11)) ' expect runtime error: Subscript out of range (error 9)
