' LPRINT goes to the printer: without --echo there is none and its text
' is dropped.
LPRINT "paper"; 1
LPRINT USING "##"; 2
PRINT "screen" ' expect: screen
