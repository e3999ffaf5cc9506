' DEFLNG A-Z makes every name without a suffix a LONG
DEFLNG A-Z: A = 70000.5: PRINT A ' expect:  70000
