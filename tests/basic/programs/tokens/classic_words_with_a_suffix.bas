' a classic word with a suffix is a name
LOCK$ = "n": MOTOR% = 2: PRINT LOCK$; MOTOR% ' expect: n 2
