' SWAP found wrong before the run.
' number and string
SWAP A, B$ ' expect error 9: SWAP needs two variables of the same type
' integer and double
SWAP A%, B ' expect error 10: SWAP needs two variables of the same type
