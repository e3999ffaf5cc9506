' every block left open is reported
WHILE 1 ' expect error 1: WHILE without WEND
DO ' expect error 1: DO without LOOP
IF 1 THEN ' expect error 1: IF without END IF
