' RMDIR of a folder that holds a file.
MKDIR "FULL"
OPEN "FULL\F.TXT" FOR OUTPUT AS #1: CLOSE
RMDIR "FULL" ' expect runtime error: Path/File access error (error 75)
