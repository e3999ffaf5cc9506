' LEN of records, their fields and number variables: the bytes QBasic
' laid them out in, with no padding between fields.
TYPE Small
  b AS INTEGER
END TYPE
TYPE Mixed
  i AS INTEGER
  l AS LONG
  s AS SINGLE
  d AS DOUBLE
  t AS STRING * 3
  inner AS Small
END TYPE
TYPE Deep
  m AS Mixed
  extra AS STRING * 1000
END TYPE
DIM m AS Mixed, deep AS Deep
DIM arr(2) AS Mixed
' 2 + 4 + 4 + 8 + 3 + 2: no field is aligned.
PRINT LEN(m); LEN(m.i); LEN(m.l); LEN(m.s); LEN(m.d); LEN(m.t); LEN(m.inner)
' expect:  23  2  4  4  8  3  2
' A nested record counts whole; so does an element, whatever its subscript.
PRINT LEN(deep); LEN(deep.m.inner); LEN(arr(1)); LEN(arr(2).t)
' expect:  1023  2  23  3
' Number variables by their kind.
PRINT LEN(n%); LEN(n&); LEN(n!); LEN(n#); LEN(n)
' expect:  2  4  4  8  4
' A string field of a record is read like any fixed string.
PRINT LEN(m.t + "ab"); LEN(deep.extra)
' expect:  5  1000
