' A and A! are one single variable; A# a double, A% an integer
A = 5: A# = 6: PRINT A; A!; A#; A% ' expect:  5  5  6  0
A! = 1 / 3: A# = 1 / 3#: PRINT A; A# ' expect:  .3333333  .3333333333333333
