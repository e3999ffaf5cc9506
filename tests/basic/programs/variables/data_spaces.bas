' unquoted items lose their outer spaces, quoted ones keep them
READ A$, B$: PRINT "[" A$ "][" B$ "]"
DATA   two words  , " kept "
' expect: [two words][ kept ]
