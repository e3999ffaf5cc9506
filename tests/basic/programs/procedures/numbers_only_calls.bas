' Calls whose arguments and locals are all numbers take a shorter way in
' and out than the others; each row crosses from one way to the other, or
' leans on a step the short way must still take.
' a numbers-only call inside one with a string passes a reference through both
X = 5: PRINT Outer$(X); X
FUNCTION Outer$ (N): Outer$ = STR$(Inner(N)): END FUNCTION
FUNCTION Inner (N): N = N * 2: Inner = N + 1: END FUNCTION
' expect:  11 10
' a recursive call's argument is its caller's own local
PRINT Sum(4)
FUNCTION Sum (N): M = N - 1: IF N > 0 THEN Sum = N + Sum(M) + M
END FUNCTION
' expect:  16
' an integer parameter is rounded to even
PRINT Half(7); Half(2.5); Half(3.5)
FUNCTION Half (N%): Half = N% / 2: END FUNCTION
' expect:  3.5  1  2
' a call deep in an expression keeps its caller's operands
PRINT 1 + (2 * (3 + Twice(4 + Twice(1))))
FUNCTION Twice (X): Twice = X * 2: END FUNCTION
' expect:  31
' a numbers-only call inside a procedure with a FOR loop
S = 3: Count S: PRINT S
SUB Count (N): FOR I = 1 TO 2: N = N + Step1(I): NEXT: END SUB
FUNCTION Step1 (K): Step1 = K: END FUNCTION
' expect:  6
' deep recursion below the bound
PRINT Depth(0)
FUNCTION Depth (N): IF N < 9000 THEN Depth = Depth(N + 1) ELSE Depth = N
END FUNCTION
' expect:  9000
