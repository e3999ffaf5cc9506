' 0:&H449 holds the BIOS's number of the mode SCREEN chose.
DEF SEG = 0
' the text screen is mode 3
PRINT PEEK(&H449)
' expect:  3
' each graphics mode, its number after it
FOR I = 1 TO 8
  READ S, M
  SCREEN S
  IF PEEK(&H449) <> M THEN PRINT "SCREEN"; S; "gave"; PEEK(&H449)
NEXT
DATA 1, 4, 2, 6, 7, 13, 8, 14, 9, 16, 12, 18, 13, 19, 0, 3
PRINT "checked"
' expect: checked
