' _DELAY sleeps and _LIMIT paces a loop; neither ends at a key, and a key
' typed meanwhile stays to be read.
' input: k
T! = TIMER
_DELAY 0.2
E! = TIMER - T!: IF E! < 0 THEN E! = E! + 86400
PRINT E! >= 0.15
' expect: -1
' A key stays queued across the delay.
_DELAY 0.01
PRINT INKEY$
' expect: k
' 0 and less do not wait.
_DELAY 0: _DELAY -5
' 10 rounds at most 50 a second take at least 9 periods: the first
' _LIMIT only marks the time.
T! = TIMER
FOR I = 1 TO 10: _LIMIT 50: NEXT
E! = TIMER - T!: IF E! < 0 THEN E! = E! + 86400
PRINT E! >= 0.16; E! < 2
' expect: -1 -1
' 0, less, and a very high rate do not wait.
FOR I = 1 TO 1000: _LIMIT 0: _LIMIT -1: _LIMIT 1E+30: NEXT
PRINT "done"
' expect: done
