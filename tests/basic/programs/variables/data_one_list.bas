' all DATA statements form one list
FOR I = 1 TO 3: READ A(I): NEXT: PRINT A(1) + A(2) + A(3)
DATA 1
DATA 2, 3
' expect:  6
