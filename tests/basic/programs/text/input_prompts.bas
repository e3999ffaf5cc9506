' INPUT's prompts.
' no prompt: "? "
' input: 21
INPUT A: PRINT A * 2
' expect: ? 21
' expect:  42
' ';' adds "? "; outer spaces go
' input:   Bob  
INPUT "Name"; N$: PRINT "Hi " + N$ + "!"
' expect: Name?   Bob
' expect: Hi Bob!
' ',' adds nothing
' input: 1.5
INPUT "X=", A: PRINT A
' expect: X=1.5
' expect:  1.5
