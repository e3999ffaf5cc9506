' END in a one-line IF ends the run
IF 1 THEN END
PRINT 2
