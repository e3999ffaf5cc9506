' PRINT # writes what PRINT would show, CR LF after each line; LINE INPUT #
' reads the lines back as they were written.
OPEN "T.TXT" FOR OUTPUT AS #1
' numbers with their spaces, strings as they are
PRINT #1, 1; -2.5; "A"
' a comma moves to the next zone of 14 columns, counted in the file
PRINT #1, "X", "Y"
' TAB and SPC count the file's own column
PRINT #1, TAB(5); "T"; SPC(2); "S"
' a ';' at the end leaves the line open for the next PRINT #
PRINT #1, "no end";
PRINT #1, " end"
' an empty PRINT # ends a line only
PRINT #1,
PRINT #1, USING "##.#|"; 2.5; -1
CLOSE #1
OPEN "T.TXT" FOR INPUT AS #1
DO WHILE NOT EOF(1)
  LINE INPUT #1, L$
  PRINT "["; L$; "]"
LOOP
CLOSE
' expect: [ 1 -2.5 A]
' expect: [X             Y]
' expect: [    T  S]
' expect: [no end end]
' expect: []
' expect: [ 2.5|-1.0|]
' every line ends in CR LF: the bytes as they are on the disk
OPEN "T.TXT" FOR BINARY AS #1
B$ = INPUT$(12, #1)
PRINT ASC(MID$(B$, 10, 1)); ASC(MID$(B$, 11, 1)); LOF(1) ' expect:  13  10  64
CLOSE
