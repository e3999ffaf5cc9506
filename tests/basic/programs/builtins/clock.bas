' the computer's own clock: TIMER within a day, TIME$ and DATE$ of their length
T = TIMER: PRINT T >= 0 AND T < 86400; LEN(TIME$); LEN(DATE$) ' expect: -1  8  10
