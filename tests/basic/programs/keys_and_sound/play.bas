' PLAY, SOUND ON and SOUND OFF as statements, PLAY(n) as a function, and a
' bad music string's message
SOUND ON
SOUND OFF
PRINT PLAY(0)
' expect:  0
T$ = "P64"
PLAY "T255 L64 X" + VARPTR$(T$) + "N0"
PRINT "played"
' expect: played
PLAY "O4 L64 T255 C Q" ' expect runtime error: Illegal function call (error 5): 'Q' is not a PLAY command (character 15)
