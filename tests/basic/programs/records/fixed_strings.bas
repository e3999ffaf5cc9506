' Fixed-length strings: a store pads with spaces or cuts; a read gives
' all n bytes; never stored, they are NUL bytes.
DIM code AS STRING * 5
DIM SHARED title AS STRING * 3
DIM names(1 TO 3) AS STRING * 4
' Never stored: five NULs, LEN 5.
PRINT LEN(code); ASC(code); ASC(RIGHT$(code, 1))
' expect:  5  0  0
' The empty string pads to spaces.
code = ""
PRINT "["; code; "]"; ASC(code)
' expect: [     ] 32
' Shorter: padded; longer: cut; exactly n: kept.
code = "ab"
PRINT "["; code; "]"
' expect: [ab   ]
code = "abcdefgh"
PRINT "["; code; "]"
' expect: [abcde]
code = "12345"
PRINT "["; code; "]"; LEN(code + "x")
' expect: [12345] 6
' Elements of a fixed-length string array.
names(2) = "Bob"
names(3) = "Christine"
PRINT ASC(names(1)); LEN(names(1)); "["; names(2); "]["; names(3); "]"
' expect:  0  4 [Bob ][Chri]
' A fixed string in an expression is its n bytes: RTRIM$ drops the padding.
PRINT "["; RTRIM$(names(2)) + "!"; "]"
' expect: [Bob!]
' SHARED in procedures, and a procedure's own fixed string.
SetTitle
' expect: [Si]
PRINT "["; title; "]"
' expect: [Sir]
' SWAP of two of the same length; MID$ changes the bytes in place.
DIM other AS STRING * 5
other = "xyz"
SWAP code, other
MID$(code, 2) = "QQQQQQ"
PRINT "["; code; "]["; other; "]"
' expect: [xQQQQ][12345]
' A value passed by reference comes back fitted to the length.
Grow code
PRINT "["; code; "]"
' expect: [xQQQQ]
names(1) = "ab"
Grow names(1)
PRINT "["; names(1); "]"
' expect: [ab  ]
SUB SetTitle
  DIM mine AS STRING * 2
  mine = "Sirius"
  title = mine + "r and more"
  PRINT "["; mine; "]"
END SUB
SUB Grow (s AS STRING)
  s = s + "tail"
END SUB
