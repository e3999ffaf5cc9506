' An include that is not there stops the program before it runs, and
' names the file; QB.BI says what it was for.
'$INCLUDE: 'QB.BI'
' expect error 3:1: cannot include QB.BI (not found): it came with QuickBASIC and declared the registers of CALL INTERRUPT, which this BASIC does not have
PRINT "never"
