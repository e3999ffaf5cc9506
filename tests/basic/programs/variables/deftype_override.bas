' a later DEFtype overrides
DEFINT A-Z: DEFDBL D: D = 0.5: E = 0.5: PRINT D; E ' expect:  .5  0
