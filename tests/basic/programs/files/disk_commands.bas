' MKDIR, CHDIR, NAME, KILL and RMDIR: relative names start from the
' current folder, which CHDIR changes.
MKDIR "SUB"
OPEN "SUB\F.TXT" FOR OUTPUT AS #1: PRINT #1, "hi": CLOSE
CHDIR "SUB"
NAME "F.TXT" AS "G.TXT"
OPEN "G.TXT" FOR INPUT AS #1: LINE INPUT #1, A$: PRINT A$: CLOSE ' expect: hi
KILL "G.TXT"
CHDIR ".."
RMDIR "SUB"
' the folder is gone
MKDIR "SUB": RMDIR "SUB"
' KILL takes wildcards
OPEN "K1.TXT" FOR OUTPUT AS #1: CLOSE: OPEN "K2.TXT" FOR OUTPUT AS #1: CLOSE
KILL "K?.TXT"
OPEN "K1.TXT" FOR INPUT AS #1 ' expect runtime error: File not found (error 53)
