' QBasic types a FUNCTION by its name's suffix or DEFtype, never by AS
' after its parameters: a program written so is told how.
DECLARE FUNCTION Half! (x AS INTEGER)
FUNCTION Twice (x AS INTEGER) AS INTEGER ' expect error 31: a FUNCTION's type is its name's suffix (or DEFtype's), not AS after its parameters
  Twice = 2 * x
END FUNCTION
