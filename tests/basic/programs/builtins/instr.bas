' INSTR finds text in text.
' first from the start or from a position
PRINT INSTR("ABCABC", "C"); INSTR(4, "ABCABC", "C"); INSTR("ABC", "D") ' expect:  3  6  0
' an empty text is found at the start, inside the string only
PRINT INSTR("ABC", ""); INSTR(3, "ABC", ""); INSTR(4, "ABC", ""); INSTR("", "") ' expect:  1  3  0  0
' past the end, overlapping, longer
PRINT INSTR(9, "ABC", "A"); INSTR(2, "AAB", "AB"); INSTR("AB", "ABC") ' expect:  0  2  0
