' blocks must nest: a NEXT while a WHILE opened after its FOR is open
FOR I = 1 TO 2 ' expect error 1: FOR without NEXT
WHILE 1
NEXT ' expect error 1: NEXT without FOR: the WHILE of line 3 is still open
WEND
