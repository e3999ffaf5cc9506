' FUNCTIONs inside expressions.
' a function without arguments inside an expression
PRINT 1 + Two * 3
FUNCTION Two: Two = 2: END FUNCTION
' expect:  7
' T = F(T) in a loop
T = 0: FOR I = 1 TO 3: T = F(T): NEXT: PRINT T
FUNCTION F (X): F = X + 1: END FUNCTION
' expect:  3
' a FOR in a callee leaves the caller's FOR alone
Outer
SUB Outer: FOR I = 1 TO 2: Inner I: NEXT: END SUB
SUB Inner (K): FOR I = 1 TO K: PRINT K;: NEXT: END SUB
' expect:  1  2  2
