' Bitwise operators, IEEE division and the runtime's power.
' bitwise on integers
PRINT NOT 0; NOT -1; 5 AND 3; 5 OR 3; 5 XOR 3 ' expect: -1  0  1  7  6
' IEEE division and rounding
PRINT 1/0; -1/0; 0.1+0.2 ' expect:  inf -inf  0.30000000000000004
' the runtime's power, one ulp from the C library's
PRINT 2 ^ 0.5 ' expect:  1.414213562373095
