' DEF FN found wrong before the run.
' an FN without DEF
PRINT FNX(1) ' expect error 7: FNX is not defined: no DEF FNX in the program
' an error in a one-line DEF FN is reported alone
10 DEF FNA(X$) = X$ + 1 ' expect error 21: cannot combine a string with a number
20 DEF FNB(Y) = Y + "s" ' expect error 19: cannot combine a number with a string
' no arrays in a DEF FN
DEF FNC(X()) = 1 ' expect error 10: a DEF FN parameter is a plain variable
' a DEF FN's arguments are counted
X = FND(1, 2) ' expect error 5: FND takes 1 argument
DEF FND(X) = X
