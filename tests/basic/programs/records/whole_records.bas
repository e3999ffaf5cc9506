' Whole records: A = B copies every field, between variables, elements
' and nested records of the same TYPE; the copy is a copy.
TYPE Inner
  n AS LONG
  s AS STRING * 4
END TYPE
TYPE Outer
  a AS Inner
  b AS Inner
  d AS DOUBLE
END TYPE
DIM x AS Outer, y AS Outer
DIM items(3) AS Outer
x.a.n = 1: x.a.s = "one": x.b.n = 2: x.b.s = "two": x.d = 2.5
' Variable to variable.
y = x
x.a.n = 10
PRINT y.a.n; y.a.s; y.b.n; y.b.s; y.d; x.a.n
' expect:  1 one  2 two  2.5  10
' Variable to element, element to element, element to variable.
items(1) = y
items(2) = items(1)
items(1).d = -1
x = items(2)
PRINT x.a.n; x.d; items(1).d
' expect:  1  2.5 -1
' A nested record is a record too: one Inner to another.
x.b = x.a
items(3).a = x.b
PRINT x.b.n; x.b.s; items(3).a.n; items(3).a.s
' expect:  1 one  1 one
' Each side's subscripts are evaluated once: the element numbered by a
' counter that a function moves.
k = 0
items(Bump(k)) = items(Bump(k))
PRINT k
' expect:  2
' SWAP of whole records, variables and elements alike.
items(1).a.n = 111: items(1).b.s = "bee"
y.a.n = 222: y.b.s = "why"
SWAP items(1), y
PRINT items(1).a.n; items(1).b.s; y.a.n; y.b.s
' expect:  222 why  111 bee
SWAP y.a, y.b
PRINT y.a.n; y.a.s; y.b.n; y.b.s
' expect:  2 bee  111 one
' Copying a record never stored keeps its fixed strings' NUL bytes.
DIM blank AS Inner
y.a = blank
PRINT ASC(y.a.s); LEN(y.a.s)
' expect:  0  4
FUNCTION Bump (k)
  k = k + 1
  Bump = k
END FUNCTION
