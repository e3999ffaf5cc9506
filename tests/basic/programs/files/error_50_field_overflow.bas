' The fields may not pass the record's end.
OPEN "R.DAT" FOR RANDOM AS #1 LEN = 10
FIELD #1, 6 AS A$, 5 AS B$ ' expect runtime error: FIELD overflow (error 50)
