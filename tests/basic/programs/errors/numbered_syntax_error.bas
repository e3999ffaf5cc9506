' Reached with no handler, a numbered line that did not compile ends the
' run with Syntax error and what was wrong with it.
10 PRINT "before"
' expect: before
20 PRINT (1 ' expect runtime error: Syntax error (error 2): expected ')', found a comment
' expect warning 5:13: expected ')', found a comment
