' DEFtype gives names without a suffix a type, from where it stands.
' DEFINT names are the % variables
DEFINT I-K: I = 2.5: J% = 7: PRINT I; I%; J ' expect:  2  2  7
' DEFSTR with a list and a range
DEFSTR S, T-V: S = "a": U = "b": PRINT S + U; S$ ' expect: aba
' DEFtype acts on the text after it: X before it was the single X!
X = 1.5: DEFINT X: X = 1.5: PRINT X; X! ' expect:  2  1.5
' DEFDBL makes the names doubles, DEFLNG longs
DEFDBL D: DEFLNG L: D = 1 / 3: L = 70000: D2 = .1: PRINT D; L; D2 ' expect:  .3333333333333333  70000  .1000000014901161
' without DEFtype a name is a single
PRINT 2 / 3; Z = Z! ' expect:  .6666667 -1
