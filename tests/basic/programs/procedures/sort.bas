' elements of an array passed whole, passed on by reference
DIM A(4): FOR I = 0 TO 4: A(I) = 5 - I: NEXT: Sort A(), 4: FOR I = 0 TO 4: PRINT A(I);: NEXT
SUB Sort (V(), Last)
  FOR I = 0 TO Last - 1: FOR J = I + 1 TO Last
    IF V(J) < V(I) THEN Swap2 V(I), V(J)
  NEXT: NEXT
END SUB
SUB Swap2 (X, Y): T = X: X = Y: Y = T: END SUB
' expect:  1  2  3  4  5
