' two functions calling each other
FOR I = 0 TO 3: PRINT IsEven(I);: NEXT
FUNCTION IsEven (N): IF N = 0 THEN IsEven = -1 ELSE IsEven = IsOdd(N - 1)
END FUNCTION
FUNCTION IsOdd (N): IF N = 0 THEN IsOdd = 0 ELSE IsOdd = IsEven(N - 1)
END FUNCTION
' expect: -1  0 -1  0
