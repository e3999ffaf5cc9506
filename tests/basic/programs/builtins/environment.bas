' ENVIRON sets an entry, its name in capitals; ENVIRON$ reads it by name
ENVIRON "basic_probe=one two"
PRINT ENVIRON$("BASIC_PROBE") ' expect: one two
ENVIRON "BASIC_PROBE three" ' a blank may stand for the '='
PRINT ENVIRON$("BASIC_PROBE") ' expect: three
ENVIRON "BASIC_PROBE=" ' an empty value removes the entry
PRINT "["; ENVIRON$("BASIC_PROBE"); "]" ' expect: []
' entries by number, from 1; past the last, nothing
PRINT LEN(ENVIRON$(1)) > 0; ENVIRON$(255) = "" ' expect: -1 -1
' a run of basic.exe has no command line of its own
PRINT "["; COMMAND$; "]" ' expect: []
PRINT ENVIRON$(0) ' expect runtime error: Illegal function call (error 5): ENVIRON$ counts entries from 1 to 255
