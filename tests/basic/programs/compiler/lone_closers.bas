' Closers without their blocks.
' a lone NEXT
NEXT ' expect error 1: NEXT without FOR
' every lone closer
WEND ' expect error 1: WEND without WHILE
LOOP ' expect error 1: LOOP without DO
ELSE ' expect error 1: ELSE without IF
END IF ' expect error 1: END IF without IF
ELSEIF 1 THEN ' expect error 1: ELSEIF without IF
