' Parameters of a type other than the argument's.
' a % variable takes the value back rounded
N% = 1: Half N%: PRINT N%
SUB Half (X): X = X + 1.6: END SUB
' expect:  3
' AS INTEGER and AS STRING parameters
Show 2.5, "x"
SUB Show (N AS INTEGER, S AS STRING): PRINT N; S$; S: END SUB
' expect:  2 xx
