' a SUB never closed
SUB A ' expect error 1: SUB without END SUB
PRINT
