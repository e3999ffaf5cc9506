' TRON in a program without line numbers traces nothing: QBasic showed its
' trace in the editor, not in the program's output.
TRON
PRINT "untraced"
' expect: untraced
TROFF
