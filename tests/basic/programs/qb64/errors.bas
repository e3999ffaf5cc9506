' QB64's words this BASIC does not have are named, wherever they stand.
_NEWIMAGE 640, 480, 32 ' expect error 1: _NEWIMAGE is a QB64 word that this BASIC does not have
SCREEN _NEWIMAGE(640, 480, 32) ' expect error 8: _NEWIMAGE is a QB64 word that this BASIC does not have
C = _RGB32(255, 0, 0) ' expect error 5: _RGB32 is a QB64 word that this BASIC does not have
PRINT _CLIPBOARD$ ' expect error 7: _CLIPBOARD$ is a QB64 word that this BASIC does not have
_FREEIMAGE I&: PRINT "never" ' expect error 1: _FREEIMAGE is a QB64 word that this BASIC does not have
IF 1 THEN _DISPLAY ' expect error 11: _DISPLAY is a QB64 word that this BASIC does not have
' Metacommands at a line's start that this BASIC lacks, or written wrong.
$CHECKING:OFF ' expect error 1: $CHECKING is a QB64 metacommand that this BASIC does not have
$RESIZE:MAYBE ' expect error 1: $RESIZE needs :ON, :OFF, :SMOOTH or :STRETCH
$RESIZE ' expect error 1: $RESIZE needs :ON, :OFF, :SMOOTH or :STRETCH
'$RESIZE:MAYBE
' expect error 12:1: $RESIZE needs :ON, :OFF, :SMOOTH or :STRETCH
$EXEICON:game.ico ' expect error 1: $EXEICON needs a file name in single quotes: $EXEICON:'name.ico'
$EXEICON:''
' expect error 15:1: $EXEICON needs a file name in single quotes: $EXEICON:'name.ico'
$CONSOLE:BOTH ' expect error 1: $CONSOLE takes nothing, or :ONLY
$NOPREFIX ON ' expect error 1: $NOPREFIX takes nothing after it
$ ' expect error 1: expected a metacommand's name after $
' The statements take what they took in QB64.
_TITLE 5 ' expect error 8: expected a string, found a number
_DELAY "1" ' expect error 8: expected a number, found a string
_LIMIT: PRINT ' expect error 7: expected an expression, found ':'
' No line continues with an underscore, as in QBasic.
PRINT 1 _ ' expect error 9: unexpected character '_'
