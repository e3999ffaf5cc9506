' Reads lines typed into the window and prints each back, until an empty
' line ends the program. Type, paste (Ctrl+V) or use the input method.
' INPUT reads fields separated by commas: of "a, b" it keeps "a".
PRINT "Type a line and press Enter; an empty line ends."
DO
  INPUT L$
  IF L$ = "" THEN EXIT DO
  PRINT "You typed: ["; L$; "]"
LOOP
END
