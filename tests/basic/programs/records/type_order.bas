' A TYPE is defined before its first use, and at the start of its line: a
' call may not come before the TYPE its procedure's parameter names.
DIM x AS INTEGER
CALL Take(x)  ' expect error 6: the TYPE of argument 1 of TAKE is defined after this line: define a TYPE before its first use
Take x  ' expect error 1: the TYPE of argument 1 of TAKE is defined after this line: define a TYPE before its first use
TYPE Later
  a AS INTEGER
END TYPE
x = 1: TYPE Mid  ' expect error 8: TYPE begins its line
SUB Take (r AS Later)
END SUB
