' After $NOPREFIX, QB64's words are written without their underscore too.
' Before it, PI is a plain variable.
PI = 3: PRINT PI
' expect:  3
$NOPREFIX
TITLE "No prefix"
PRINT PI
' expect:  3.141592653589793
PRINT PI(2)
' expect:  6.283185307179586
LIMIT 1000: DELAY 0
FULLSCREEN SQUAREPIXELS, SMOOTH
ALLOWFULLSCREEN
' The underscore still works.
PRINT _PI(1) = PI
' expect: -1
' Names with a suffix stay names.
PI$ = "pie": PRINT PI$
' expect: pie
