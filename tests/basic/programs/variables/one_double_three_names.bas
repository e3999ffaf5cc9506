' A, A# and A! are one variable; A% another
A = 5: A# = 6: PRINT A; A!; A% ' expect:  6  6  0
