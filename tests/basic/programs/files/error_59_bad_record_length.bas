' LEN is 1 to 32767.
OPEN "R.DAT" FOR RANDOM AS #1 LEN = 0 ' expect runtime error: Bad record length (error 59)
