' The 16-bit % and the 32-bit & variables.
' & rounds to even
A& = 70000: B& = 2.5: C& = -3.5: PRINT A&; B&; C& ' expect:  70000  2 -4
' & keeps 32 bits; past them -2147483648
A& = 2147483647: B& = 2147483648: PRINT A&; B& ' expect:  2147483647 -2147483648
' three variables
A% = 40000: A& = 40000: A = 1.5: PRINT A%; A&; A ' expect: -25536  40000  1.5
' a LONG loop variable
FOR I& = 1 TO 3: NEXT I&: PRINT I& ' expect:  4
