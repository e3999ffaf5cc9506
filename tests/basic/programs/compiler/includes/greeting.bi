PRINT "hello from an include"
