' INSTR counts from 1: a start of 0 stops the run
PRINT INSTR(0, "A", "A") ' expect runtime error: Illegal function call (error 5): INSTR needs a start of 1 or more
