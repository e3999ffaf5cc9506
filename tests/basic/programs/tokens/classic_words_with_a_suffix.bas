' a classic word with a suffix is a name
NAME$ = "n": PCOPY% = 2: PRINT NAME$; PCOPY% ' expect: n 2
