' Positions count from 1.
OPEN "B.BIN" FOR BINARY AS #1
SEEK #1, 0 ' expect runtime error: Bad record number (error 63)
