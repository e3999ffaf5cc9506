' Functions of classic BASIC that this one lacks are named.
' a function, never a variable
A = STICK ' expect error 5: STICK is not a function of this BASIC
' never an automatic array
X = FRE(0) + 1 ' expect error 5: FRE is not a function of this BASIC
' inside an expression
PRINT 2 * USR(0) ' expect error 11: USR is not a function of this BASIC
' a word with its $
IF LEN(IOCTL$(1)) THEN 10 ' expect error 8: IOCTL$ is not a function of this BASIC
' a statement's word in an expression
PRINT CLOSE ' expect error 7: expected an expression, found 'CLOSE'
' nor a loop variable
FOR POS = 1 TO 2 ' expect error 5: expected the loop's variable, found 'POS'
