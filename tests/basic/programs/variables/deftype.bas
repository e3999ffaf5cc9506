' DEFtype gives names without a suffix a type, from where it stands.
' DEFINT names are the % variables
DEFINT I-K: I = 2.5: J% = 7: PRINT I; I%; J ' expect:  2  2  7
' DEFSTR with a list and a range
DEFSTR S, T-V: S = "a": U = "b": PRINT S + U; S$ ' expect: aba
' DEFtype acts on the text after it
X = 1.5: DEFINT X: X = 1.5: PRINT X; X# ' expect:  2  1.5
