' INPUT on the PC's text screen shows its prompt and the line it read in the grid.
SCREEN 0
INPUT "N"; N ' input: 21
' expect: N? 21
PRINT N * 2; CHR$(SCREEN(1, 4)); CHR$(SCREEN(1, 5))
' expect:  42 21
' a line that does not fit the form is asked again, below
INPUT "M"; M ' input: x
' input: 5
' expect: M? x
' expect: ?Redo from start
' expect: M? 5
PRINT CHR$(SCREEN(3, 1)); CHR$(SCREEN(4, 1)); CHR$(SCREEN(5, 4))
' expect: M?5
