' A record's bytes at VARPTR are the bytes PUT writes of it to a file, and
' bytes poked there are what GET would have read into it.
TYPE Item
  Code AS INTEGER
  Price AS SINGLE
  Label AS STRING * 5
  Count AS LONG
END TYPE
DIM It AS Item, Back AS Item
It.Code = -3: It.Price = 2.5: It.Label = "nut": It.Count = 70000
OPEN "ITEM.BIN" FOR BINARY AS #1
PUT #1, 1, It
SEEK #1, 1: F$ = INPUT$(LEN(It), 1): CLOSE #1
M$ = "": P = VARPTR(It)
FOR I = 0 TO LEN(It) - 1: M$ = M$ + CHR$(PEEK(P + I)): NEXT
PRINT LEN(M$); M$ = F$
' expect:  15 -1
' the file's bytes poked into another record make the same record
P = VARPTR(Back)
FOR I = 1 TO LEN(F$): POKE P + I - 1, ASC(MID$(F$, I, 1)): NEXT
PRINT Back.Code; Back.Price; "["; Back.Label; "]"; Back.Count
' expect: -3  2.5 [nut  ] 70000
KILL "ITEM.BIN"
