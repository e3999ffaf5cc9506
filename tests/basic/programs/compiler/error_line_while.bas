' an error on a WHILE's line: the blocks inside the WHILE nest as usual
WHILE 1: PCOPY ' expect error 10: PCOPY is not a statement of this BASIC
FOR I = 1 TO 2
NEXT
WEND
