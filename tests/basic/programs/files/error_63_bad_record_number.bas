' Records count from 1.
OPEN "R.DAT" FOR RANDOM AS #1 LEN = 4
GET #1, 0 ' expect runtime error: Bad record number (error 63)
