' A whole-array parameter its body uses only whole (PUT, GET, LBOUND,
' UBOUND, passed on to another procedure) takes each call's array with
' the subscripts it has; passed on to a body that indexes it, it takes
' that body's number of subscripts.
TYPE Pt
  X AS INTEGER
  Y AS INTEGER
END TYPE
SCREEN 13
DIM Sprite%(40), Grid%(3, 4), Copy%(40), Ships(2) AS Pt
LINE (0, 0)-(7, 7), 4, BF: GET (0, 0)-(7, 7), Sprite%
' PUT of the parameter draws the caller's image
Show Sprite%()
PRINT POINT(20, 20); POINT(27, 27)
' expect:  4  4
' GET into the parameter fills the caller's array
Grab Copy%()
PRINT Copy%(0); Copy%(1)
' expect:  64  8
' LBOUND and UBOUND see each call's array: one subscript, then two
Bounds Sprite%(): Bounds Grid%()
' expect:  0  40
' expect:  0  3
' passed on, whole, to a procedure that uses it whole
Outer Grid%()
' expect:  3  4
' passed on to a procedure that indexes it, defined after the call
Grid%(2, 3) = 7: PassOn Grid%()
' expect:  7
' its elements through VARSEG and VARPTR, for BSAVE and the like
Sprite%(1) = 513: DEF SEG = VARSEG(Sprite%(0)): PRINT PEEK(VARPTR(Sprite%(1)) + 1): DEF SEG
' expect:  2
SaveBytes Sprite%()
' expect:  2
' an array of records passed on
Ships(1).Y = 5: Fleet Ships()
' expect:  5
' a recursive call with the arrays the other way round
Nest Grid%(), Sprite%(), 1
' expect:  0  3
' expect:  0  40

SUB Show (s%())
  PUT (20, 20), s%
END SUB

SUB Grab (s%())
  GET (0, 0)-(7, 7), s%
END SUB

SUB Bounds (s%())
  PRINT LBOUND(s%); UBOUND(s%)
END SUB

SUB Outer (s%())
  CALL Dims(s%())
END SUB

SUB Dims (t%())
  PRINT UBOUND(t%, 1); UBOUND(t%, 2)
END SUB

SUB PassOn (u%())
  Cell u%()
END SUB

SUB Cell (v%())
  PRINT v%(2, 3)
END SUB

SUB SaveBytes (s%())
  DEF SEG = VARSEG(s%(0)): PRINT PEEK(VARPTR(s%(1)) + 1): DEF SEG
END SUB

SUB Fleet (s() AS Pt)
  Ship s()
END SUB

SUB Ship (t() AS Pt)
  PRINT t(1).Y
END SUB

SUB Nest (s%(), t%(), depth)
  PRINT LBOUND(s%); UBOUND(s%)
  IF depth = 1 THEN Nest t%(), s%(), 2
END SUB
