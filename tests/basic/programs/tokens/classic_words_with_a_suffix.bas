' a classic word with a suffix is a name
LOCK$ = "n": PCOPY% = 2: PRINT LOCK$; PCOPY% ' expect: n 2
