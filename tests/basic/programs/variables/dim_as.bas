' DIM ... AS gives one name its type.
' DIM AS gives a plain name its type
DIM N AS INTEGER: N = 3.7: PRINT N; N% ' expect:  4  4
' several in one DIM
DIM S AS STRING, L AS LONG: S = "x": L = 7E4 + 0.5: PRINT S; L ' expect: x 70000
' an array of strings
DIM A(3) AS STRING: A(2) = "z": PRINT A(2); A$(2) ' expect: zz
