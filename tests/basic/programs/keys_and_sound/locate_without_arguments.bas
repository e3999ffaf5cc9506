' every argument may be left out
LOCATE: LOCATE ,: LOCATE ,,1: PRINT CSRLIN ' expect:  1
