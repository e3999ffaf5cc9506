' SNAKE: a snake of half blocks on a field framed in box-drawing
' characters, on the PC's text screen. The arrow keys turn it; it grows
' by eating the stars; it ends at a wall, at its own tail, or with Esc.
DEFINT A-Z
DECLARE SUB DrawField ()
DECLARE SUB PlaceFood ()
CONST Wall = 12, Body = 10, Food = 14
DIM SHARED SnakeX(1 TO 500), SnakeY(1 TO 500), FoodX, FoodY

SCREEN 0: WIDTH 80, 25: COLOR 7, 1: CLS
DrawField
Length = 4: Head = 4: DX = 1: DY = 0
FOR I = 1 TO Length: SnakeX(I) = 10 + I: SnakeY(I) = 12: NEXT
PlaceFood
DO
  ' One step each four screen retraces: 15 steps a second.
  FOR Frame = 1 TO 4: WAIT &H3DA, 8: NEXT
  K$ = INKEY$
  IF K$ = CHR$(27) THEN EXIT DO
  IF LEN(K$) = 2 THEN
    SELECT CASE ASC(RIGHT$(K$, 1))
      CASE 72: IF DY = 0 THEN DX = 0: DY = -1
      CASE 80: IF DY = 0 THEN DX = 0: DY = 1
      CASE 75: IF DX = 0 THEN DX = -1: DY = 0
      CASE 77: IF DX = 0 THEN DX = 1: DY = 0
    END SELECT
  END IF
  NewX = SnakeX(Head) + DX: NewY = SnakeY(Head) + DY
  Ahead = SCREEN(NewY, NewX)
  IF Ahead <> 32 AND Ahead <> 42 THEN EXIT DO
  IF Ahead = 42 THEN
    Score = Score + 10: Length = Length + 2
    PlaceFood
  ELSE
    ' The tail's cell is cleared as the snake moves on.
    Tail = Head - Length + 1: IF Tail < 1 THEN Tail = Tail + 500
    LOCATE SnakeY(Tail), SnakeX(Tail): COLOR 7, 1: PRINT " ";
  END IF
  Head = Head MOD 500 + 1: SnakeX(Head) = NewX: SnakeY(Head) = NewY
  LOCATE NewY, NewX: COLOR Body, 1: PRINT CHR$(219);
  LOCATE 1, 60: COLOR 15, 1: PRINT USING "Score: #####"; Score;
LOOP
LOCATE 12, 34: COLOR 15, 4: PRINT " GAME  OVER "
LOCATE 13, 34: PRINT USING " Score ##### "; Score
COLOR 7, 0
END

' A double frame around rows 2 to 24, a title on its top edge.
SUB DrawField
  COLOR Wall, 1
  LOCATE 2, 1: PRINT CHR$(201); STRING$(78, 205); CHR$(187);
  FOR Row = 3 TO 23
    LOCATE Row, 1: PRINT CHR$(186);: LOCATE Row, 80: PRINT CHR$(186);
  NEXT
  LOCATE 24, 1: PRINT CHR$(200); STRING$(78, 205); CHR$(188);
  LOCATE 1, 2: COLOR 15, 1: PRINT "S N A K E";
END SUB

' A star on an empty cell of the field.
SUB PlaceFood
  DO
    FoodX = 2 + INT(RND * 78): FoodY = 3 + INT(RND * 21)
  LOOP UNTIL SCREEN(FoodY, FoodX) = 32
  LOCATE FoodY, FoodX: COLOR Food, 1: PRINT "*";
END SUB
