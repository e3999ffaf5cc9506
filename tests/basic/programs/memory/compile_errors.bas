' What the memory's words refuse before the run.
' machine code and the BIOS's interrupts are not run
CALL ABSOLUTE(0) ' expect error 6: CALL ABSOLUTE runs machine code, which this BASIC does not
CALL INTERRUPT(&H10, R, R) ' expect error 6: CALL INTERRUPT calls the PC's BIOS and DOS, which this BASIC does not have
' nor called without CALL
INTERRUPTX &H21, R, R ' expect error 1: CALL INTERRUPT calls the PC's BIOS and DOS, which this BASIC does not have
' VARPTR takes a variable, never a value
PRINT VARPTR(3) ' expect error 14: VARPTR needs a variable: a number or string variable, an array's element, or a record or its field
' SADD takes a string variable
PRINT SADD(A%) ' expect error 12: SADD needs a string variable or an element of an array of strings
' nor a record's field, which is of fixed length
TYPE Pair: A AS INTEGER: S AS STRING * 4: END TYPE
DIM P AS Pair
PRINT SADD(P.S) ' expect error 12: SADD needs a string variable or an element of an array of strings
' DEF SEG takes '=' before its segment
DEF SEG 5 ' expect error 9: expected '=' and the segment, found a number
' POKE takes two numbers
POKE 1: X = 2 ' expect error 7: expected ',', found ':'
