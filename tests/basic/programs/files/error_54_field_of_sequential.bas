' FIELD is for random files only.
OPEN "O.TXT" FOR OUTPUT AS #1
FIELD #1, 2 AS A$ ' expect runtime error: Bad file mode (error 54)
