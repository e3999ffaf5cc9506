' WRITE # writes items INPUT # reads back: strings in quotes, numbers
' without spaces, commas between.
OPEN "D.TXT" FOR OUTPUT AS #2
WRITE #2, 1, "two, three", -4.5
WRITE #2, .5, 1E+20, 12345678#
PRINT #2, 7, "word"; " more"
WRITE #2,
CLOSE 2
OPEN "D.TXT" FOR INPUT AS 2
LINE INPUT #2, A$: PRINT A$ ' expect: 1,"two, three",-4.5
LINE INPUT #2, A$: PRINT A$ ' expect: .5,1E+20,12345678
CLOSE #2
OPEN "D.TXT" FOR INPUT AS #2
' a quoted string keeps its comma
INPUT #2, A, B$, C: PRINT A; "["; B$; "]"; C ' expect:  1 [two, three]-4.5
' items of one line may go to several INPUT # statements
INPUT #2, D: INPUT #2, E, F#: PRINT D; E; F# ' expect:  .5  1E+20  12345678
' an unquoted string runs to the line's end, its inner spaces kept
INPUT #2, G, H$: PRINT G; "["; H$; "]" ' expect:  7 [word more]
' WRITE alone writes an empty line
LINE INPUT #2, E$: PRINT "["; E$; "]"; EOF(2) ' expect: []-1
CLOSE
' WRITE to the screen
WRITE 1, "a", -2.5, 1E+20 ' expect: 1,"a",-2.5,1E+20
WRITE ' expect:
