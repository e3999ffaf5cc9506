' a RETURN in a procedure does not pop its caller's GOSUB
Jump
SUB Jump: RETURN: END SUB ' expect runtime error: RETURN without GOSUB (error 3)
