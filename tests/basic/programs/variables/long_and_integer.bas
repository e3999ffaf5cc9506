' The 16-bit % and the 32-bit & variables.
' & rounds to even
A& = 70000: B& = 2.5: C& = -3.5: PRINT A&; B&; C& ' expect:  70000  2 -4
' the edges of the types
A& = 2147483647: B& = -2147483648#: A% = -32768: PRINT A&; B&; A% ' expect:  2147483647 -2147483648 -32768
' three variables
A% = 4000: A& = 40000: A = 1.5: PRINT A%; A&; A ' expect:  4000  40000  1.5
' a LONG loop variable
FOR I& = 1 TO 3: NEXT I&: PRINT I& ' expect:  4
' integers multiply in 16 bits: 200 * 200 is too large
PRINT 200 * 200& ' expect:  40000
PRINT 200 * 200 ' expect runtime error: Overflow (error 6)
