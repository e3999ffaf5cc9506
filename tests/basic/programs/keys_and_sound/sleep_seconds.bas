' SLEEP counts seconds and ends early, leaving the key, when one is waiting
' input: q
SLEEP 100: PRINT INKEY$ ' expect: q
SLEEP .05: PRINT "slept" ' expect: slept
SLEEP -1: PRINT "no wait" ' expect: no wait
SLEEP 3E+09 ' expect runtime error: Overflow (error 6): SLEEP's seconds are beyond a LONG's range
