' The errors of TYPE and of records, each found where it stands before the
' run; a record of one TYPE never takes another's (Type mismatch).
TYPE Pair
  a AS INTEGER
  b AS STRING * 2
END TYPE
TYPE Other
  a AS INTEGER
  b AS STRING * 2
END TYPE
TYPE Bad
  ' A field's type must be known: none named so before here.
  c AS Later  ' expect error 8: no TYPE LATER is defined before here
  ' Twice the same field.
  a AS INTEGER
  a AS LONG  ' expect error 3: field A appears twice in TYPE BAD
  ' A variable-length string has no place in a record.
  s AS STRING  ' expect error 8: a field of a TYPE is STRING * n, a fixed length
  ' The lengths a fixed string may have.
  z AS STRING * 0  ' expect error 17: expected a length from 1 to 32767, found a number
  ' A suffix on a field's name.
  n$ AS STRING * 3  ' expect error 3: field N$ has a suffix: a field's type is given by AS
  ' Anything but a field.
  PRINT 1  ' expect error 3: only fields and END TYPE stand between TYPE and END TYPE
END TYPE
' A TYPE defined twice.
TYPE Pair  ' expect error 6: TYPE PAIR is defined twice
  q AS INTEGER
END TYPE
TYPE Empty
END TYPE  ' expect error 1: TYPE EMPTY has no fields
DIM p AS Pair, o AS Other, arr(3) AS Pair
' Records of different TYPEs, even with the same fields.
p = o  ' expect error 5: Type mismatch: P is a record of TYPE PAIR and takes only a record of that TYPE
SWAP p, o  ' expect error 9: Type mismatch: SWAP of P needs a record of TYPE PAIR
' A record is no value.
PRINT p  ' expect error 7: Type mismatch: P is a whole record of TYPE PAIR; name one of its fields
x = arr(1)  ' expect error 5: Type mismatch: ARR is a whole record of TYPE PAIR; name one of its fields
' A number is no record.
p = 5  ' expect error 5: Type mismatch: P is a record of TYPE PAIR and takes only a record of that TYPE
' No such field, a field of a field that is none, a period after no record.
PRINT p.c  ' expect error 9: TYPE PAIR has no field C
PRINT p.a.b  ' expect error 11: P.A is a field, not a record
PRINT q.a  ' expect error 7: Q is not a record variable
' A whole record passed where a number goes, and a number where a record.
Show p  ' expect error 6: Type mismatch: P is a whole record of TYPE PAIR; name one of its fields
Take 1  ' expect error 6: Type mismatch: argument 1 of TAKE must be a record of TYPE PAIR
' A record variable has no suffix.
DIM r$ AS Pair  ' expect error 5: R$ has a suffix: a record variable has none
IF x THEN
  TYPE InBlock  ' expect error 3: TYPE cannot stand inside a block
    a AS INTEGER
  END TYPE
END IF
SUB Show (v)
END SUB
SUB Take (r AS Pair)
  TYPE InSub  ' expect error 3: TYPE belongs outside SUB and FUNCTION
    a AS INTEGER
  END TYPE
END SUB
' A record parameter named twice.
SUB Dup (r AS Pair, r AS Pair)  ' expect error 21: parameter R appears twice
END SUB  ' expect error 1: END SUB without SUB
TYPE Unclosed  ' expect error 1: TYPE without END TYPE
  a AS INTEGER
