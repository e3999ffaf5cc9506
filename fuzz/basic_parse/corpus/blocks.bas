10 REM blocks and jumps
DIM A(3, 3), N$(5)
start: INPUT "How many"; N
IF N < 1 THEN
  PRINT "none"
ELSEIF N > 9 THEN
  GOTO start
ELSE
  FOR I = 1 TO N STEP 2: A(I \ 2, 0) = I MOD 3: NEXT
END IF
WHILE N > 0: N = N - 1: WEND
DO UNTIL N >= 3: N = N + 1: IF N = 2 THEN EXIT DO
LOOP
GOSUB 100: END
100 PRINT N; -2^2; 2^3^2, NOT 1 AND 3 OR 4 XOR 5: RETURN
