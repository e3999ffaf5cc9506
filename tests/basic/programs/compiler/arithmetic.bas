' Bitwise operators, division and the runtime's power, by the types of numbers.
' bitwise on integers
PRINT NOT 0; NOT -1; 5 AND 3; 5 OR 3; 5 XOR 3 ' expect: -1  0  1  7  6
' EQV and IMP, bit by bit, below XOR
PRINT 5 EQV 3; 5 IMP 3; 0 IMP 0; -1 EQV 0 ' expect: -7 -5 -1  0
' singles add as floats and print with 7 digits; doubles with 16
PRINT 0.1 + 0.2; 0.1# + 0.2#; 1 / 3; 1# / 3 ' expect:  .3  .3  .3333333  .3333333333333333
' the runtime's power, one ulp from the C library's, as a single and as a double
PRINT 2 ^ 0.5; 2# ^ 0.5 ' expect:  1.414214  1.414213562373095
' whole numbers stay whole; \ and MOD round their operands first
PRINT 7 \ 2; -7 \ 2; 7.5 \ 2; 7 MOD -3; -7 MOD 3; 7.5 MOD 2 ' expect:  3 -3  4  1 -1  0
' dividing by zero stops the program
PRINT 1 / 0 ' expect runtime error: Division by zero (error 11)
