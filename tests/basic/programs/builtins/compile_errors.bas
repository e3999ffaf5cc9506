' Functions found wrong before the run.
' setting the clock
TIME$ = "10:00" ' expect error 1: TIME$ = is not a statement of this BASIC: it does not set the clock
' INSTR(start, s$, t$)
PRINT INSTR(1, 2) ' expect error 16: expected a string, found a number
' INSTR needs its text to find
PRINT INSTR("a") ' expect error 16: expected ',', found ')'
' no third string
PRINT INSTR("a", "b", "c") ' expect error 21: expected ')', found ','
' the count first
PRINT STRING$("a", 2) ' expect error 15: expected a number, found a string
' HEX$ of a number
PRINT HEX$("a") ' expect error 12: expected a number, found a string
' UCASE$ of a string
PRINT UCASE$(1) ' expect error 14: expected a string, found a number
' TIMER takes no arguments
X = TIMER(1)
' expect error 17:10: expected ':' or end of line, found '('
' a reserved word
TIMER = 1 ' expect error 1: expected a statement, found 'TIMER'
' TIME$ is a string
A$ = TIME$ + 1 ' expect error 12: cannot combine a string with a number
