' TUNE: "Frere Jacques" as a round in the background while the screen
' shows each phrase; F1 changes the colours as the music goes on, Esc
' ends. PLAY "MB" queues the notes and lets the program go on; ON PLAY
' queues the next phrase whenever fewer than 4 notes are left.
DEFINT A-Z
DIM SHARED Phrase$(1 TO 8), Words$(1 TO 8)
FOR I = 1 TO 8: READ Phrase$(I), Words$(I): NEXT
DATA "L4 C D E C", "Frere Jacques,", "L4 C D E C", "frere Jacques,"
DATA "L4 E F L2 G", "dormez-vous?", "L4 E F L2 G", "dormez-vous?"
DATA "L8 G A G F L4 E C", "Sonnez les matines,", "L8 G A G F L4 E C", "sonnez les matines,"
DATA "L4 C < G > L2 C", "ding, dang, dong.", "L4 C < G > L2 C", "ding, dang, dong."

SCREEN 0: WIDTH 80, 25: COLOR 15, 1: CLS
Paper = 1
LOCATE 2, 30: PRINT "F1: colours   Esc: end"
ON KEY(1) GOSUB NextColours
KEY(1) ON
ON PLAY(4) GOSUB NextPhrase
PLAY ON
PLAY "MB T160 O4"
Played = 0
GOSUB NextPhrase
Shown = -1
DO
  IF PLAY(0) <> Shown THEN Shown = PLAY(0): LOCATE 22, 30: PRINT "notes queued:"; Shown; " ";
  K$ = INKEY$
LOOP UNTIL K$ = CHR$(27) OR (Played = 8 AND PLAY(0) = 0)
PLAY OFF: KEY(1) OFF
LOCATE 22, 30: PRINT "notes queued:"; PLAY(0); " "
LOCATE 23, 30: PRINT "The end."
END

NextPhrase:
  IF Played < 8 THEN
    Played = Played + 1
    LOCATE 4 + 2 * Played, 30: PRINT Words$(Played)
    PLAY Phrase$(Played)
  END IF
  RETURN

NextColours:
  Paper = (Paper + 1) MOD 8
  COLOR 15, Paper: CLS
  LOCATE 2, 30: PRINT "F1: colours   Esc: end"
  FOR I = 1 TO Played: LOCATE 4 + 2 * I, 30: PRINT Words$(I): NEXT
  RETURN
