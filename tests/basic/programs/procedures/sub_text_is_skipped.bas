' a SUB's text is skipped
PRINT "a"
SUB Never: PRINT "never": END SUB
PRINT "b"
' expect: a
' expect: b
