OPEN "T.TXT" FOR OUTPUT ACCESS WRITE LOCK READ WRITE AS #1 LEN = 80
PRINT #1, 1; -2.5; "A", TAB(5); SPC(2); "S";
PRINT #1, USING "##.#|\  \&!"; 2.5; "abc"; "x"; "y"
WRITE #1, 1, "two, three", -4.5
CLOSE #1, 2: RESET
OPEN "O", #2, "T.TXT", 10
OPEN "T.TXT" FOR INPUT SHARED AS 3
INPUT #3, A, B$, C#: LINE INPUT #3, L$
X$ = INPUT$(3, #3): Y = EOF(3) + LOF(3) + LOC(3) + SEEK(3) + FREEFILE + FILEATTR(3, 1)
SEEK #3, 2
OPEN "R.DAT" FOR RANDOM AS #4 LEN = 10
FIELD #4, 4 AS N$, 6 AS W$
LSET N$ = "ab": RSET W$ = "xyz": PUT #4, 2: GET #4, , : GET 4
OPEN "B.BIN" FOR BINARY AS #5: PUT #5, , I%: GET #5, 1, D#: GET #5, , T$
KILL "K?.TXT": NAME "A" AS "B": MKDIR "D": CHDIR "D": CHDIR "..": RMDIR "D": FILES: FILES "*.BAS"
LPRINT "x"; 1: LPRINT USING "###.##"; 3.14159
PRINT USING "**$#,###.##^^^^"; 1234.5, -1; : WRITE
