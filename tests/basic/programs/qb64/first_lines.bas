' The first lines a program kept runnable in QB64 carries: its metacommands,
' its window's words and its caption, all accepted and none of them printing.
$RESIZE:ON
$RESIZE:stretch
$CONSOLE
$CONSOLE:ONLY
$EXEICON:'game.ico' ' an icon for a made program; a window here has its own
$DYNAMIC
  $resize:smooth
'$RESIZE:OFF
REM $EXEICON:'other.ico'
_TITLE "Snake"
_TITLE "Snake: level " + LTRIM$(STR$(2))
_FULLSCREEN
_FULLSCREEN _SQUAREPIXELS, _SMOOTH
_ALLOWFULLSCREEN _ALL, _OFF
_SMOOTH: _SQUAREPIXELS: PRINT "after the words"
' expect: after the words
' A comment's unknown $ word is a comment, as QBasic took it.
'$CHECKING:OFF
' The window's words end at the statement's end, not the line's.
_FULLSCREEN _STRETCH: PRINT "next statement"
' expect: next statement
IF 1 THEN _FULLSCREEN ELSE PRINT "not here"
PRINT "end"
' expect: end
